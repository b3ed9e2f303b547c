// Halmora: Chinese Checkers for up to six players round the star.
#include "app/GameApp.h"

int main(int argc, char** argv) {
    halmora::CGameApp app(argc, argv);
    return app.Run();
}
