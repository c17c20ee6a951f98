// The labels of a list as plain strings, for comparing with expected lists.
#pragma once

#include <string>
#include <vector>

#include "text/text_list.h"

namespace qiro {

using Labels = std::vector<std::string>;

inline Labels texts(const TextList& list) {
  Labels labels;
  for (const Text& label : list)
    labels.emplace_back(label.view());
  return labels;
}

}  // namespace qiro
