#include "board/Move.h"

namespace halmora {

std::string PathText(const Move& m) {
    std::string s;
    for (int i = 0; i < m.count; ++i) {
        if (i)
            s += ' ';
        s += std::to_string(m.places[i].col) + "," + std::to_string(m.places[i].row);
    }
    return s;
}

}  // namespace halmora
