// The start-up names, from the stored title and the collection's edition.
#include "content/start_names.h"

#include <string>

#include "content/grid_collection.h"
#include "plain_text.h"
#include "stored_tables.h"
#include "text/scratch.h"

namespace qiro {

Text windowTitle() {
  Text title = plainText(stored::kTitle);
  title.append(numberText(kCollectionEdition));
  return title;
}

Text programBaseName() {
  std::string name = "Q-I-RO-demo#";
  name.replace(name.find('#'), 1, numberText(kCollectionEdition));
  return Text(name);
}

Text preferencesFileName() {
  Text name = windowTitle();
  name.append(".TXT");
  return name;
}

Text preferencesComment() {
  return plainText(stored::kPreferencesComment);
}

Text webAddress() {
  return plainText(stored::kWebAddress);
}

}  // namespace qiro
