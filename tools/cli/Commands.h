// The commands of halmora-cli. Each takes the arguments after its name and returns the exit code:
// 0 success, 2 bad input (with one line on stderr naming the problem).
#pragma once

namespace halmora::cli {

int RunMoves(int argc, char** argv);
int RunPerft(int argc, char** argv);
int RunBenchMovegen(int argc, char** argv);
int RunCandidates(int argc, char** argv);
int RunThink(int argc, char** argv);
int RunSuggest(int argc, char** argv);
int RunBench(int argc, char** argv);
int RunSelfPlay(int argc, char** argv);

}  // namespace halmora::cli
