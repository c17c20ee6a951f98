// The program's three message boxes, captioned with the application title.
#pragma once

#include "text/text.h"

namespace qiro {

// Style 0 is an exclamation icon; any other style is a set of icon and default-button
// flags. An OK button is added; every box is system-modal. Answers the code of the button
// pressed.
int showMessage(TextView text, unsigned style);
// Yes and No; style 0 is a question icon. True when Yes was pressed.
bool askYesNo(TextView text, unsigned style);
// OK and Cancel; style 0 is a question icon. True when OK was pressed.
bool askOkCancel(TextView text, unsigned style);

}  // namespace qiro
