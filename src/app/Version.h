// The version the program shows on its splash and start-up screen.
#pragma once

namespace halmora {

inline constexpr char kVersionText[] = "1.03";

}  // namespace halmora
