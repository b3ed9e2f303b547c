// stats FILE: a statistics file in readable text. Declared apart from Commands.h until the
// command is wired into main.
#pragma once

namespace halmora::cli {

int RunStats(int argc, char** argv);

}  // namespace halmora::cli
