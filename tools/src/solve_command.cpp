// qiro-tool solve: the solutions and the grade of a grid's puzzle at every level.
#include <array>
#include <string>
#include <vector>

#include "arguments.h"
#include "content/builtin_grids.h"
#include "game/levels.h"
#include "game/solver.h"
#include "sys/line_file.h"
#include "tools/tool.h"

namespace qiro {

int runSolveCommand(ToolArguments args, std::istream& /*in*/, std::ostream& out,
                    std::ostream& err) {
  TextList definition;
  if (!args.empty() && args.front() == "--tokens") {
    if (!readDefinitionArguments("solve", args.subspan(1), {}, definition, err)) {
      return kToolUsageError;
    }
  } else if (args.size() == 2 && args.front() == "--file") {
    // Stored definition lines, read with their "%" suffixes as the collection reads them.
    TextList lines;
    loadLines(lines, args[1]);
    if (lines.isEmpty()) {
      err << "qiro-tool solve: no definition lines in '" << args[1] << "'\n";
      return kToolFailure;
    }
    definition = definitionTokensOf(lines);
  } else if (args.size() == 1 && !args.front().starts_with('-')) {
    const BuiltinGrid* entry = findBuiltinEntry(args.front());
    if (entry == nullptr) {
      err << "qiro-tool solve: no built-in grid '" << args.front() << "'\n";
      return kToolUsageError;
    }
    definition = definitionTokensOf(plainLinesOf(*entry));
  } else {
    err << "usage: qiro-tool solve KEY | --file FILE | --tokens TOKEN...\n";
    return kToolUsageError;
  }

  Grid grid;
  grid.setfromgrivecdef(definition);
  // Loads the solution and its clues into the cells, which decide whether level 7 exists.
  grid.prepareForPlay();
  for (int level = 1; level <= 7; ++level) {
    // The threshold the game applies to this level, shape offset included.
    setLevel(grid, level);
    const int threshold = grid.levels().effectiveThreshold;
    const std::vector<int> givens = givensAt(grid, threshold);
    const SolveResult result = solvePuzzle(puzzleOf(grid, givens));
    int count = 0;
    for (int v : givens)
      count += v != 0 ? 1 : 0;
    out << "level " << level << " threshold " << threshold << " givens " << count << " solutions "
        << result.solutions << " grade " << gradeWord(result.grade) << '\n';
  }
  return kToolSuccess;
}

}  // namespace qiro
