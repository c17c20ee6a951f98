// qiro-tool: the developer tool's commands, run on argument lists and streams.
#pragma once

#include <istream>
#include <ostream>
#include <span>
#include <string_view>

namespace qiro {

constexpr int kToolSuccess = 0;
constexpr int kToolFailure = 1;
constexpr int kToolUsageError = 2;

using ToolArguments = std::span<const std::string_view>;

// args are the arguments after the program name; the first names the command. in is
// read only by commands that take input. Answers the exit status.
int runTool(ToolArguments args, std::istream& in, std::ostream& out, std::ostream& err);

// qiro-tool grid [--size S] [--rotation R] TOKEN...: the grid a definition builds, with
// every cell, hexagon and line list. args follow the command name.
int runGridCommand(ToolArguments args, std::istream& in, std::ostream& out, std::ostream& err);

// qiro-tool play TOKEN...: builds the grid as a freshly loaded one, then runs the play
// commands read from in, one a line, answering each with one line (show with three).
int runPlayCommand(ToolArguments args, std::istream& in, std::ostream& out, std::ostream& err);

// qiro-tool render [--size S] [--level L] [--state TEXT] [--links] [--select A,B,C]
// --out FILE.png TOKEN...: the board painted as the game shows it, written as a PNG on a
// page just large enough for it. --select names touching hexagons, oldest first.
int runRenderCommand(ToolArguments args, std::istream& in, std::ostream& out, std::ostream& err);

// qiro-tool design [--seed N] [--lines N] [--level7] TOKEN...: a random solution for the
// hexagons named and clues that give one solution at every level, as definition lines.
int runDesignCommand(ToolArguments args, std::istream& in, std::ostream& out, std::ostream& err);

// qiro-tool solve KEY | --file FILE | --tokens TOKEN...: for each level as the game
// applies it, the threshold, the givens, the solutions (2 for two or more) and the grade.
int runSolveCommand(ToolArguments args, std::istream& in, std::ostream& out, std::ostream& err);

// qiro-tool scramble TEXT: the stored form of TEXT (at most 151 characters, one line);
// characters outside the scrambler's alphabets are listed on err.
int runScrambleCommand(ToolArguments args, std::istream& in, std::ostream& out, std::ostream& err);

// qiro-tool unscramble TEXT: the plain form of the stored text TEXT.
int runUnscrambleCommand(ToolArguments args, std::istream& in, std::ostream& out,
                         std::ostream& err);

// qiro-tool collection: one line per built-in grid, "entry KEY level=L lines=N cells=C
// hexagons=H", in the order the collection is searched.
int runCollectionCommand(ToolArguments args, std::istream& in, std::ostream& out,
                         std::ostream& err);

// qiro-tool load KEY: the built-in grid loaded as the game loads it, printed as qiro-tool
// grid prints a grid.
int runLoadCommand(ToolArguments args, std::istream& in, std::ostream& out, std::ostream& err);

// qiro-tool message KIND [ARG1 [ARG2]] [--english]: the composed message, in UTF-8.
int runMessageCommand(ToolArguments args, std::istream& in, std::ostream& out, std::ostream& err);

// qiro-tool page N [--english] --out FILE.png: rules page N as the rules screen shows it,
// in French unless --english.
int runPageCommand(ToolArguments args, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace qiro
