// The build-date stamp, yyyymmdd, from the compiler's date of this build.
#include "text/numeric.h"
#include "text/scratch.h"
#include "text/tokens.h"

namespace qiro {

Text dateStampOf(TextView buildDate) {
  Text date(buildDate);
  date.replaceAll(" ", ",");
  date.replaceAll(",,", ",");  // a space-filled day gives one separator
  Text month;
  popTokenUpper(month, date);
  Text names("jan,feb,mar,apr,may,jun,jul,aug,sep,oct,nov,dec");
  int monthNumber = 0;
  Text name;
  for (int place = 1; names.isNotEmpty(); ++place) {
    popToken(name, names);
    if (name.equalsIgnoreCase(month)) {
      monthNumber = place;
      break;
    }
  }
  const int day = popInteger(date);
  const int year = popInteger(date);
  Text stamp;
  stamp.assign(paddedNumberText(year, 4), paddedNumberText(monthNumber, 2),
               paddedNumberText(day, 2));
  return stamp;
}

const char* buildDateStamp() {
  static const Text stamp = dateStampOf(__DATE__);
  return stamp.c_str();
}

}  // namespace qiro
