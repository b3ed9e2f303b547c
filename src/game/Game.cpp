#include "game/Game.h"

#include <algorithm>

#include "ai/Suggestion.h"
#include "board/BoardCells.h"
#include "board/MoveGenerator.h"
#include "game/SavedGameMapping.h"
#include "platform/TickCount.h"

namespace halmora {
namespace {

constexpr const char* kTimeOutCaption = "超出时间   ";
constexpr const char* kHumanTimeOut =
    "你已经用光时间而且输掉游戏。 你的弹珠将会被从棋盘移出。                                  ";
constexpr const char* kComputerTimeOut =
    "这一个玩家已经用光时间而且输掉游戏。 他们的弹珠将会被从棋盘移出。                             "
    "   ";

}  // namespace

CGame::CGame(CGameHost& host) : host_(host), random_(TickCount()) {
    places_.fill(kNoColor);
}

// Players go first: a computer player stops and joins its search thread before the board it
// copied from is freed.
CGame::~CGame() {
    for (auto& seat : seats_)
        seat.reset();
    if (panel_)
        host_.DestroyInfoPanel();
}

void CGame::AddPlayer(std::unique_ptr<CPlayer> player) {
    if (!player)
        return;
    const PlayerColor c = player->Colour();
    if (c < 0 || c >= kColorCount || seats_[c])
        return;
    player->SetOptions(options_);
    seats_[c] = std::move(player);
    ++players_;
}

void CGame::SetOptions(const GameOptions& options) {
    options_ = options;
    if (!options_.markLastMove && board_)
        lastMove_.Clear(*board_, nullptr);
    for (auto& seat : seats_)
        if (seat)
            seat->SetOptions(options_);
}

void CGame::ResetPlay() {
    places_.fill(kNoColor);
    finished_.fill(0);
    history_.Clear();
    recordFiled_ = 0;
    suggestionShown_ = 0;
    lastMove_.Forget();
}

void CGame::NewGame(CBoardCanvas& canvas, int areaWidth, int areaHeight, int32_t state,
                    int32_t initialSeconds, int32_t secondsPerMove) {
    ResetPlay();
    state_ = state;
    initialSeconds_ = initialSeconds;
    secondsPerMove_ = secondsPerMove;
    SetUpBoard(areaWidth, areaHeight);
    Begin(canvas);
}

void CGame::Restart(CBoardCanvas& canvas, int areaWidth, int areaHeight) {
    board_.reset();
    order_.clear();
    turnOrder_.clear();
    for (auto& clock : clocks_)
        clock.reset();
    if (panel_) {
        host_.DestroyInfoPanel();
        panel_ = false;
    }
    ResetPlay();
    players_ = 0;
    for (const auto& seat : seats_)
        players_ += seat ? 1 : 0;
    SetUpBoard(areaWidth, areaHeight);
    Begin(canvas);
}

void CGame::SetUpBoard(int areaWidth, int areaHeight) {
    std::array<bool, kColorCount> seated{};
    for (PlayerColor c = 0; c < kColorCount; ++c)
        seated[c] = seats_[c] != nullptr;
    board_ = std::make_unique<CGameBoard>();
    board_->SetUp(TriangleColoursFor(seated));
    board_->Layout(areaWidth, areaHeight);
    for (PlayerColor c = 0; c < kColorCount; ++c)
        if (seated[c])
            board_->PlaceMarbles(c);
}

// Turn order, ratings, clocks and the first turn of a new or restarted game.
void CGame::Begin(CBoardCanvas& canvas) {
    // Clockwise round the board from a random triangle.
    const int r = turnStart_ >= 0 && turnStart_ < kColorCount
                      ? turnStart_
                      : static_cast<int>(random_.Below(kColorCount));
    turnOrder_.clear();
    order_.clear();
    for (int i = 0; i < kColorCount; ++i) {
        const PlayerColor c = board_->Hole(TriangleHoles((r + i) % kColorCount)[0]).zone;
        if (c < 0 || c >= kColorCount || !seats_[c])
            continue;
        turnOrder_.push_back(seats_[c].get());
        order_.push_back(c);
    }
    players_ = static_cast<int32_t>(turnOrder_.size());
    std::array<int32_t, kColorCount> seatTypes{};
    for (PlayerColor c = 0; c < kColorCount; ++c) {
        if (!seats_[c])
            continue;
        seatTypes[c] = seats_[c]->SeatType();
        if (seats_[c]->IsHuman())
            seats_[c]->SetRating(host_.HumanRating(seats_[c]->Name()));
    }
    history_.SetSeatTypes(seatTypes);

    clocksOn_ = (initialSeconds_ == 0 && secondsPerMove_ == 0) ? 0 : 1;
    for (PlayerColor c = 0; c < kColorCount; ++c) {
        clocks_[c].reset();
        if (clocksOn_ && seats_[c]) {
            clocks_[c] = std::make_unique<CCountdownClock>();
            clocks_[c]->Set(SecondsToClockMs(initialSeconds_));
        }
    }
    gameClock_.Reset();
    gameClock_.Set(0);
    gameClock_.Start();

    moveCount_ = 0;
    passesInRow_ = 0;
    current_ = order_.empty() ? kNoColor : order_[0];
    if (current_ != kNoColor) {
        if (clocksOn_) {
            clocks_[current_]->Start();
            clocks_[current_]->Add(SecondsToClockMs(secondsPerMove_));
        }
        CallBeginTurn(canvas);
    }
    OpenInfoPanel();
}

void CGame::OpenInfoPanel() {
    host_.CreateInfoPanel(clocksOn_ != 0);
    panel_ = true;
    for (CPlayer* p : turnOrder_)
        host_.AddInfoRow(p->Colour(), p->Name(), clocksOn_ ? clocks_[p->Colour()]->Get() : 0);
    if (current_ != kNoColor)
        host_.SetInfoCurrent(current_);
    if (!options_.showGameInfo)
        host_.CloseInfoPanel();
}

// Asks the current player for its move, unless it has none at all: then it passes.
void CGame::CallBeginTurn(CBoardCanvas& canvas) {
    passing_ = !HasAnyMove(BoardCells::Snapshot(*board_), current_);
    if (passing_)
        return;
    CCountdownClock* clock = CurrentClockObject();
    TurnInfo turn;
    turn.clocksOn = clocksOn_ != 0;
    turn.remainingMs = clocksOn_ ? clock->Get() : 0;
    turn.secondsPerMove = clocksOn_ ? secondsPerMove_ : 0;
    turn.players = players_;
    turn.moveCount = moveCount_;
    turn.turnOrder = order_;
    Current()->BeginTurn(canvas, *board_, turn);
}

void CGame::StartTurn(CBoardCanvas& canvas) {
    if (!finished_[current_]) {
        AddToMoveCount(1);
        if (clocksOn_) {
            CCountdownClock* clock = CurrentClockObject();
            clock->Add(SecondsToClockMs(secondsPerMove_));
            CallBeginTurn(canvas);
            clock->Start();
        } else {
            CallBeginTurn(canvas);
        }
    }
    for (CPlayer* p : turnOrder_)
        host_.SetInfoMarblesHome(p->Colour(), board_->CountHome(p->Colour()));
    host_.SetInfoCurrent(current_);
    if (clocksOn_)
        host_.SetInfoClock(CurrentClockObject()->Get());
    if (suggestionShown_) {
        suggestionShown_ = 0;
        if (state_ != kGameNone)
            canvas.Paint();
    }
}

bool CGame::MoveTurnOn(CBoardCanvas& canvas) {
    if (AllFinished()) {
        SetState(kGameOver, canvas);
        return false;
    }
    size_t i = 0;
    while (i < order_.size() && order_[i] != current_)
        ++i;
    do {
        i = (i + 1) % order_.size();
    } while (finished_[order_[i]]);
    current_ = order_[i];
    return true;
}

CCountdownClock* CGame::CurrentClockObject() const {
    return current_ >= 0 ? clocks_[current_].get() : nullptr;
}

int CGame::TakeFirstFreePlace(PlayerColor c) {
    for (int i = 0; i < kColorCount; ++i) {
        if (places_[i] == kNoColor) {
            places_[i] = c;
            return i;
        }
    }
    return -1;
}

void CGame::Tick(CBoardCanvas& canvas) {
    if (state_ == kGameUndoing || state_ == kGameRedoing) {
        TickReplay(canvas);
        return;
    }
    if (state_ != kGamePlaying)
        return;
    if (players_ <= 1) {
        if (players_ == 1) {
            places_[0] = order_[0];
            host_.SetInfoPlace(order_[0], 1);
        }
        SetState(kGameOver, canvas);
        return;
    }
    if (AllFinished()) {
        SetState(kGameOver, canvas);
        return;
    }
    gameClock_.Update();

    if (finished_[current_]) {
        if (MoveTurnOn(canvas))
            StartTurn(canvas);
    } else if (passing_) {
        FinishMove(canvas, false);
    } else {
        CPlayer* player = Current();
        const int32_t before = player->MoveState();
        const int32_t moveState = player->PollTurn(canvas, *board_);
        ClearLastMoveOnceMoving(canvas, before);
        if (moveState == kMoveDone) {
            FinishMove(canvas, player->PreviousMove().count >= 2);
        } else if (clocksOn_) {
            CCountdownClock* clock = CurrentClockObject();
            if (moveState == kMoveAnimating)
                clock->Stop();
            else
                clock->Update();
            if (clock->Get() == 0)
                RunOutOfTime(canvas);
        }
    }
    if (panel_ && clocksOn_ && state_ == kGamePlaying)
        host_.SetInfoClock(CurrentClock());
}

void CGame::FinishMove(CBoardCanvas& canvas, bool moved) {
    if (clocksOn_)
        CurrentClockObject()->Stop();
    if (moved) {
        passesInRow_ = 0;
        history_.Record(current_, Current()->PreviousMove());
        if (options_.markLastMove)
            lastMove_.Mark(*board_, canvas, Current()->PreviousMove(), current_);
        if (board_->CountHome(current_) == kTriangleHoles) {
            finished_[current_] = 1;
            const int place = TakeFirstFreePlace(current_);
            host_.SetInfoPlace(current_, place + 1);
            if (place == 0 && !options_.muteSounds)
                host_.PlaySound(Current()->IsHuman() ? "Sounds/Win.wav" : "Sounds/Lose.wav");
        }
    } else {
        // Nobody left can move: the game cannot go on, so it ends with the places as they are.
        int unfinished = 0;
        for (PlayerColor c : order_)
            unfinished += finished_[c] ? 0 : 1;
        if (++passesInRow_ >= unfinished) {
            PlaceTheRestAndEnd(canvas);
            return;
        }
    }
    if (MoveTurnOn(canvas))
        StartTurn(canvas);
}

void CGame::RunOutOfTime(CBoardCanvas& canvas) {
    CPlayer* loser = Current();
    const PlayerColor colour = current_;
    host_.ShowMessage(kTimeOutCaption, loser->IsHuman() ? kHumanTimeOut : kComputerTimeOut);
    loser->ForceMove();  // a computer stops thinking; its move is never collected
    MoveTurnOn(canvas);
    for (size_t i = 0; i < order_.size(); ++i) {
        if (order_[i] != colour)
            continue;
        order_.erase(order_.begin() + static_cast<long>(i));
        turnOrder_.erase(turnOrder_.begin() + static_cast<long>(i));
        break;
    }
    --players_;
    board_->RemoveMarbles(colour);
    finished_[colour] = 1;
    if (state_ != kGameNone)
        canvas.Paint();
    int place = -1;
    for (int i = players_; i >= 0; --i) {
        if (i < kColorCount && places_[i] == kNoColor) {
            places_[i] = colour;
            place = i;
            break;
        }
    }
    host_.SetInfoPlace(colour, place + 1);
    if (state_ == kGamePlaying && current_ != colour)
        StartTurn(canvas);
}

void CGame::SetState(int32_t state, CBoardCanvas& canvas) {
    if (state == state_ || state < 0 || state > kGameOver || state == 3)
        return;
    CCountdownClock* clock = clocksOn_ ? CurrentClockObject() : nullptr;
    state_ = state;
    switch (state) {
        case kGamePlaying:
            if (gameClock_.Stopped())
                gameClock_.Start();
            if (clock && clock->Stopped())
                clock->Start();
            break;
        case kGamePaused:
            gameClock_.Stop();
            if (clock)
                clock->Stop();
            break;
        case kGameUndoing:
        case kGameRedoing:
            gameClock_.Stop();
            if (clock)
                clock->Stop();
            replay_.Start(canvas, *board_, options_.marbleSpeed);
            break;
        case kGameOver:
            gameClock_.Stop();
            if (clock)
                clock->Stop();
            if (!recordFiled_) {
                recordFiled_ = 1;
                host_.FileGameRecord(*this);
            }
            break;
        default:
            break;
    }
}

void CGame::EndGameNow(CBoardCanvas& canvas) {
    if (!AnyFinished() || state_ != kGamePlaying)
        return;
    PlaceTheRestAndEnd(canvas);
}

// The players still playing take the next places in turn order; the game is over.
void CGame::PlaceTheRestAndEnd(CBoardCanvas& canvas) {
    for (PlayerColor c : order_) {
        if (finished_[c])
            continue;
        finished_[c] = 1;
        host_.SetInfoPlace(c, TakeFirstFreePlace(c) + 1);
    }
    SetState(kGameOver, canvas);
}

void CGame::ForceMove() {
    if (CPlayer* p = Current())
        p->ForceMove();
}

void CGame::MouseInput(int32_t message, int32_t keyFlags, int x, int y, CBoardCanvas& canvas) {
    if (state_ != kGamePlaying || !board_ || Current() == nullptr)
        return;
    const int32_t before = Current()->MoveState();
    Current()->MouseInput(message, keyFlags, x, y, canvas, *board_);
    ClearLastMoveOnceMoving(canvas, before);
}

void CGame::Redraw(CBoardCanvas& canvas) {
    if (board_ && state_ != kGameNone)
        canvas.Paint();
}

void CGame::Relayout(int areaWidth, int areaHeight) {
    if (board_)
        board_->Layout(areaWidth, areaHeight);
}

// The count never leaves 0..kMaxMoveCount, whatever a loaded game or a long undo makes of it.
void CGame::AddToMoveCount(int64_t turns) {
    moveCount_ = static_cast<int32_t>(std::clamp<int64_t>(moveCount_ + turns, 0, kMaxMoveCount));
}

// The current player's turn starts again after an undo, redo or load: no time is added.
void CGame::ResumeTurn(CBoardCanvas& canvas) {
    CallBeginTurn(canvas);
    if (clocksOn_)
        CurrentClockObject()->Start();
    host_.SetInfoCurrent(current_);
}

// Undo and redo wait while a move is being shown, and need a human to return the turn to. Once
// somebody has finished or dropped out the board no longer matches the history.
bool CGame::CanReplay() const {
    const CPlayer* player = Current();
    if (player == nullptr || player->MoveState() == kMoveAnimating || AnyFinished())
        return false;
    for (const CPlayer* p : turnOrder_)
        if (p->IsHuman())
            return true;
    return false;
}

void CGame::Undo(CBoardCanvas& canvas) {
    if (CanReplay() && replay_.PlanUndo(history_, current_, order_,
                                        [this](PlayerColor c) { return IsHumanSeat(c); }))
        Replay(canvas, -1);
}

void CGame::Redo(CBoardCanvas& canvas) {
    if (CanReplay() &&
        replay_.PlanRedo(history_, order_, [this](PlayerColor c) { return IsHumanSeat(c); }))
        Replay(canvas, +1);
}

void CGame::Replay(CBoardCanvas& canvas, int direction) {
    lastMove_.Clear(*board_, &canvas);
    if (options_.fullAnimation) {
        SetState(direction < 0 ? kGameUndoing : kGameRedoing, canvas);
        return;
    }
    if (CCountdownClock* clock = clocksOn_ ? CurrentClockObject() : nullptr)
        clock->Stop();
    for (const CMoveReplay::Step& step : replay_.Steps()) {
        current_ = step.mover;
        board_->MoveMarble(step.path.Start(), step.path.End());
        AddToMoveCount(direction * step.turns);
    }
    canvas.Paint();
    current_ = replay_.TurnTo();
    ResumeTurn(canvas);
}

void CGame::TickReplay(CBoardCanvas& canvas) {
    const int direction = state_ == kGameUndoing ? -1 : +1;
    const std::optional<int32_t> turns = replay_.Tick(canvas, *board_, options_.marbleSpeed);
    if (!turns)
        return;
    if (!replay_.Done()) {
        AddToMoveCount(direction * *turns);
        return;
    }
    current_ = replay_.TurnTo();
    CallBeginTurn(canvas);
    if (clocksOn_)
        CurrentClockObject()->Start();
    host_.SetInfoCurrent(current_);
    SetState(kGamePlaying, canvas);
    AddToMoveCount(direction * *turns);
}

void CGame::ClearLastMoveOnceMoving(CBoardCanvas& canvas, int32_t stateBefore) {
    const CPlayer* player = Current();
    if (board_ && player && stateBefore == kMoveChoosing &&
        (player->MoveState() == kMoveAnimating || player->MoveState() == kMoveDone))
        lastMove_.Clear(*board_, &canvas);
}

void CGame::Suggest(CBoardCanvas& canvas) {
    if (!board_ || current_ < 0)
        return;
    Candidate best;
    if (!SuggestMove(*board_, current_, moveCount_, best))
        return;
    canvas.DrawMarbleRing(kSuggestionRgb, best.Start(), 2);
    for (int i = 1; i < best.count; ++i)
        canvas.DrawHoleDisc(kSuggestionRgb, best.places[i]);
    suggestionShown_ = 1;
}

void CGame::RotateBoard(CBoardCanvas& canvas, int direction) {
    CPlayer* player = Current();
    if (!board_ || (player && player->MoveState() == kMoveAnimating))
        return;
    history_.Rotate(direction);
    board_->Rotate(direction);
    canvas.Paint();
    // A move being chosen was chosen on the board as it was: choose again on the turned one.
    if (state_ != kGameNone && player && player->MoveState() == kMoveChoosing &&
        !finished_[current_])
        CallBeginTurn(canvas);
}

bool CGame::Save(const std::filesystem::path& path, std::string& error) const {
    if (!board_) {
        error = "There is no game to save.";
        return false;
    }
    const SavedGameStatus status = SaveSavedGameFile(path, *SavedGameRecordOf(*this));
    if (!status.Ok())
        error = status.message;
    return status.Ok();
}

bool CGame::Load(CBoardCanvas& canvas, int areaWidth, int areaHeight,
                 const std::filesystem::path& path, std::string& error) {
    SavedGameReadResult loaded = LoadSavedGameFile(path);
    if (!loaded.status.Ok()) {
        error = loaded.status.message;
        return false;
    }
    const SavedGameRecord& r = *loaded.record;

    moveCount_ = r.moveCount;
    current_ = r.currentColour;
    state_ = r.gameState;
    gameClock_.Reset();
    gameClock_.Set(r.gameTimeMs);
    clocksOn_ = r.clocksOn;
    initialSeconds_ = r.initialSeconds;
    secondsPerMove_ = r.secondsPerMove;
    for (auto& seat : seats_)
        seat.reset();
    turnOrder_.clear();
    order_.clear();
    players_ = 0;
    for (int i = 0; i < r.playerCount; ++i) {
        const SavedPlayer& sp = r.players[i];
        std::unique_ptr<CPlayer> player = PlayerOf(sp);
        player->SetOptions(options_);
        if (player->IsHuman())
            player->SetRating(host_.HumanRating(player->Name()));
        turnOrder_.push_back(player.get());
        order_.push_back(sp.colour);
        seats_[sp.colour] = std::move(player);
        ++players_;
        clocks_[sp.colour].reset();
        if (clocksOn_) {
            clocks_[sp.colour] = std::make_unique<CCountdownClock>();
            clocks_[sp.colour]->Set(sp.remainingMs);
        }
    }
    ResetPlay();
    replay_.Clear();
    SetUpBoard(areaWidth, areaHeight);
    gameClock_.Start();
    SetState(kGamePlaying, canvas);
    state_ = kGamePlaying;
    board_->ReadHoles(r.holes);
    RestoreHistory(history_, *board_, order_, r);
    passesInRow_ = 0;
    ResumeTurn(canvas);
    OpenInfoPanel();
    return true;
}

}  // namespace halmora
