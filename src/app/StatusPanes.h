// The three panes of the status bar: the game time, the turns played and whose turn it is with
// the time it has left, in panes of fixed widths. At the end of a game the result is shown over
// them.
#pragma once

#include <QString>

#include <array>

class QLabel;
class QStatusBar;

namespace halmora {

class CGame;

class CStatusPanes {
public:
    void Build(QStatusBar& bar);

    // Rewrites the panes that changed; true when the turn pane did.
    bool Show(const CGame& game);
    // Who won, and with more than two players every place, across the whole bar until Clear.
    void ShowResult(const CGame& game);
    void Clear();
    QString Text(int pane) const;

private:
    void Set(int pane, const QString& text);

    QStatusBar* bar_ = nullptr;
    std::array<QLabel*, 3> panes_{};
};

}  // namespace halmora
