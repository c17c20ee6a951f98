// HexPath: parsing, normalisation and the two text forms of a walk.
#include "hexagon/hex_path.h"

#include <algorithm>
#include <string>

#include "text/scratch.h"

namespace qiro {

namespace {

// Direction of a letter A to F (either case), or -1.
int directionOf(char c) {
  const char u = upperChar(c);
  return u >= 'A' && u <= 'F' ? u - 'A' : -1;
}

char letterOf(int direction) {
  return static_cast<char>('A' + direction);
}

void resetFlags(HexPath& path) {
  path.normalised = false;
  path.expandedCached = false;
  path.compactCached = false;
  path.cache.clear();
}

}  // namespace

void parsePath(HexPath& path, TextView text) {
  path.steps = {};
  int previous = -1;  // the direction of the letter just read, -1 after anything else
  int room = kMaxPathSteps;
  for (char c : text.view()) {
    int direction = directionOf(c);
    int count = 1;
    if (direction < 0) {
      if (previous < 0 || c < '1' || c > '9') break;
      direction = previous;
      count = c - '1';
    }
    previous = directionOf(c) >= 0 ? direction : -1;
    const int taken = std::min(count, room);
    path.steps[static_cast<std::size_t>(direction)] += taken;
    room -= taken;
    if (room == 0) break;
  }
  path.parsed = true;
  resetFlags(path);
}

void normalise(HexPath& path) {
  if (path.normalised) return;
  auto& s = path.steps;
  for (bool changed = true; changed;) {
    changed = false;
    // Opposite steps cancel.
    for (std::size_t i = 0; i < 3; ++i) {
      const int n = std::min(s[i], s[i + 3]);
      if (n > 0) {
        s[i] -= n;
        s[i + 3] -= n;
        changed = true;
      }
    }
    // Steps 120 degrees apart make one step in the direction between them.
    for (std::size_t i = 0; i < kDirections; ++i) {
      const std::size_t j = (i + 2) % kDirections;
      const std::size_t k = (i + 1) % kDirections;
      const int n = std::min(s[i], s[j]);
      if (n > 0) {
        s[i] -= n;
        s[j] -= n;
        s[k] += n;
        changed = true;
      }
    }
  }
  path.normalised = true;
}

const Text& expandedText(HexPath& path) {
  normalise(path);
  if (!path.expandedCached) {
    std::string t;
    for (std::size_t d = 0; d < kDirections; ++d) {
      t.append(static_cast<std::size_t>(path.steps[d]), letterOf(static_cast<int>(d)));
    }
    path.cache.assign(std::string_view(t));
    path.expandedCached = true;
    path.compactCached = false;
  }
  return path.cache;
}

const Text& compactText(HexPath& path) {
  normalise(path);
  if (!path.compactCached) {
    Text t;
    for (int d = 0; d < kDirections; ++d) {
      for (int n = path.steps[static_cast<std::size_t>(d)]; n > 0; n -= std::min(n, 9)) {
        const int run = std::min(n, 9);
        t.append(charText(letterOf(d)));
        if (run > 1) t.append(numberText(run));
      }
    }
    path.cache.adopt(std::move(t));
    path.compactCached = true;
    path.expandedCached = false;
  }
  return path.cache;
}

int stepsIn(const HexPath& path, TextView letters) {
  int n = 0;
  for (char c : letters.view()) {
    const int d = directionOf(c);
    if (d >= 0) n += path.steps[static_cast<std::size_t>(d)];
  }
  return n;
}

}  // namespace qiro
