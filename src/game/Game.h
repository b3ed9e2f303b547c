// CGame is the one running game: its board, its seats, the turn order, the finishing places, the
// clocks and the move history. It has no thread or timer of its own: the application calls Tick
// again and again, and everything that happens over time (asking a player to move, waiting for
// it, running the clocks, recognising the end) happens there. It draws through a CBoardCanvas and
// reaches the rest of the application through its CGameHost.
//
//   CGame game(host);
//   game.AddPlayer(std::make_unique<CHumanPlayer>(kRed, kSeatHuman, "Ann"));
//   game.AddPlayer(std::make_unique<CComputerPlayer>(kYellow, 6, ""));
//   game.NewGame(canvas, width, height, kGamePlaying, 0, 0);
//   while (game.State() != kGameOver) game.Tick(canvas);
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "board/GameBoard.h"
#include "board/RandomPlay.h"
#include "game/BoardCanvas.h"
#include "game/CountdownClock.h"
#include "game/GameClock.h"
#include "game/GameHost.h"
#include "game/GameOptions.h"
#include "game/LastMoveMarks.h"
#include "game/MoveHistory.h"
#include "game/MoveReplay.h"
#include "game/Player.h"

namespace halmora {

enum GameState : int32_t {
    kGameNone = 0,
    kGamePlaying = 1,
    kGamePaused = 2,
    kGameUndoing = 4,
    kGameRedoing = 5,
    kGameOver = 6,
};

class CGame {
public:
    explicit CGame(CGameHost& host);
    ~CGame();
    CGame(const CGame&) = delete;
    CGame& operator=(const CGame&) = delete;

    // Seats a player (before NewGame): one per colour, in colour order. It gets the game's
    // options.
    void AddPlayer(std::unique_ptr<CPlayer> player);

    // The player's choices the game and its players act on; the application passes them on
    // whenever they change. Marks of the last move taken away here are gone from the drawing
    // with the caller's next repaint.
    void SetOptions(const GameOptions& options);
    const GameOptions& Options() const { return options_; }

    void NewGame(CBoardCanvas& canvas, int areaWidth, int areaHeight, int32_t state,
                 int32_t initialSeconds, int32_t secondsPerMove);
    // The same game again with the same players, times and state.
    void Restart(CBoardCanvas& canvas, int areaWidth, int areaHeight);

    void Tick(CBoardCanvas& canvas);
    void SetState(int32_t state, CBoardCanvas& canvas);
    void Pause(CBoardCanvas& canvas) { SetState(kGamePaused, canvas); }
    void Continue(CBoardCanvas& canvas) { SetState(kGamePlaying, canvas); }
    // Ends a game in which somebody has finished: the others take the next places in turn order.
    void EndGameNow(CBoardCanvas& canvas);

    // Makes the current player move now: a computer stops thinking and plays its best so far.
    void ForceMove();

    // Takes back the moves since the last human turn before the current one (the computer moves
    // in between and the human's own), or plays them again; animated when FullAnimation is on.
    void Undo(CBoardCanvas& canvas);
    void Redo(CBoardCanvas& canvas);
    // Marks the best-scored move of the colour to move on the board until the next turn.
    void Suggest(CBoardCanvas& canvas);
    // Turns the board and the recorded moves a sixth of a turn (0 clockwise, 1 back).
    void RotateBoard(CBoardCanvas& canvas, int direction);

    // Writes the game as a saved-game file; false with a reason when it cannot.
    bool Save(const std::filesystem::path& path, std::string& error) const;
    // Fills this newly constructed game from a saved-game file and starts the turn of the
    // player to move. The whole file is read and checked first: on failure the game is left
    // untouched and `error` says why.
    bool Load(CBoardCanvas& canvas, int areaWidth, int areaHeight,
              const std::filesystem::path& path, std::string& error);

    void MouseInput(int32_t message, int32_t keyFlags, int x, int y, CBoardCanvas& canvas);
    void Redraw(CBoardCanvas& canvas);
    void Relayout(int areaWidth, int areaHeight);

    bool CanUndo() const;
    bool CanRedo() const;
    bool CanForceMove() const { return Choosing(false); }
    bool CanSuggest() const { return Choosing(true); }
    bool CanEndGameNow() const;
    // The name of the first human seat in colour order, or null.
    const GbkName* FirstHumanName() const;
    // The current player's remaining time with clocks on, else 0.
    uint32_t CurrentClock() const;

    // Makes the turn order's random start reproducible, or fixes the triangle position (0..5)
    // it starts from; -1 goes back to drawing it.
    void SetRandomSeed(uint64_t seed) { random_ = SplitMix64(seed); }
    void SetTurnStart(int position) { turnStart_ = position; }

    int32_t State() const { return state_; }
    int32_t Players() const { return players_; }
    PlayerColor CurrentColour() const { return current_; }
    int32_t MoveCount() const { return moveCount_; }
    bool ClocksOn() const { return clocksOn_ != 0; }
    int32_t InitialSeconds() const { return initialSeconds_; }
    int32_t SecondsPerMove() const { return secondsPerMove_; }
    // places[i] is the colour that finished (i + 1)-th, -1 while free.
    PlayerColor PlaceAt(int i) const { return places_[i]; }
    bool Finished(PlayerColor c) const { return finished_[c] != 0; }
    CPlayer* Seat(PlayerColor c) const { return seats_[c].get(); }
    CPlayer* Current() const { return current_ >= 0 ? seats_[current_].get() : nullptr; }
    const std::vector<PlayerColor>& TurnOrder() const { return order_; }
    CGameBoard* Board() const { return board_.get(); }
    const CMoveHistory& History() const { return history_; }
    const CGameClock& GameClock() const { return gameClock_; }
    const CCountdownClock* PlayerClock(PlayerColor c) const { return clocks_[c].get(); }
    bool SuggestionShown() const { return suggestionShown_ != 0; }

private:
    // What a new, restarted or loaded game starts from: no places, no history, no suggestion.
    void ResetPlay();
    void SetUpBoard(int areaWidth, int areaHeight);
    void Begin(CBoardCanvas& canvas);
    // The information panel with a row per player, closed unless the options show it.
    void OpenInfoPanel();
    void StartTurn(CBoardCanvas& canvas);
    void CallBeginTurn(CBoardCanvas& canvas);
    // False when every player has finished (the game is then over).
    bool MoveTurnOn(CBoardCanvas& canvas);
    bool AllFinished() const;
    bool AnyFinished() const;
    void FinishMove(CBoardCanvas& canvas, bool moved);
    void RunOutOfTime(CBoardCanvas& canvas);
    CCountdownClock* CurrentClockObject() const;
    int TakeFirstFreePlace(PlayerColor c);
    bool CanReplay() const;
    bool Choosing(bool human) const;
    bool IsHumanSeat(PlayerColor c) const;
    void AddToMoveCount(int64_t turns);
    void PlaceTheRestAndEnd(CBoardCanvas& canvas);
    void ResumeTurn(CBoardCanvas& canvas);
    // Carries out a planned undo (-1) or redo (+1): shown as animations, or at once.
    void Replay(CBoardCanvas& canvas, int direction);
    void TickReplay(CBoardCanvas& canvas);
    // Once the current player's move has begun since `stateBefore` (its marble glides or stands
    // on its end hole), the marks of the move before go.
    void ClearLastMoveOnceMoving(CBoardCanvas& canvas, int32_t stateBefore);

    CGameHost& host_;
    int32_t players_ = 0;
    PlayerColor current_ = kNoColor;
    int32_t moveCount_ = 0;
    int32_t state_ = kGameNone;
    CGameClock gameClock_;
    uint8_t clocksOn_ = 0;
    int32_t initialSeconds_ = 0;
    int32_t secondsPerMove_ = 0;
    std::array<std::unique_ptr<CPlayer>, kColorCount> seats_;
    std::vector<CPlayer*> turnOrder_;
    std::vector<PlayerColor> order_;
    std::array<std::unique_ptr<CCountdownClock>, kColorCount> clocks_;
    std::array<PlayerColor, kColorCount> places_{};
    std::array<uint8_t, kColorCount> finished_{};
    CMoveHistory history_;
    CMoveReplay replay_;
    uint8_t recordFiled_ = 0;
    GameOptions options_;
    bool panel_ = false;
    uint8_t suggestionShown_ = 0;
    // The path of the move just recorded, while the options want it marked.
    CLastMoveMarks lastMove_;
    std::unique_ptr<CGameBoard> board_;
    SplitMix64 random_;
    int turnStart_ = -1;
    // A player with no legal move at all passes; when everybody left passes in a row, the game
    // cannot go on and ends.
    bool passing_ = false;
    int passesInRow_ = 0;
};

}  // namespace halmora
