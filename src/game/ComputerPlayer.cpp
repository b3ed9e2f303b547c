#include "game/ComputerPlayer.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>

#include "ai/Suggestion.h"
#include "board/BasicBoard.h"

namespace halmora {
namespace {

constexpr uint32_t kClockMarginMs = 1000;
constexpr int kThinkingNiceness = 5;
constexpr int32_t kPlannedMovesPerPlayer = 65;
constexpr int32_t kLastMovesShare = 5;

}  // namespace

CComputerPlayer::CComputerPlayer(PlayerColor colour, PlayerType seatType, std::string_view)
    : CPlayer(colour, seatType, ComputerLevel(seatType).name), levelRating_(LevelRating(seatType)) {
    rating_ = levelRating_;
    moveState_ = kMoveChoosing;
}

CComputerPlayer::~CComputerPlayer() {
    EndSearch();
}

uint32_t CComputerPlayer::TimeBudget(const TurnInfo& turn) {
    if (!turn.clocksOn)
        return kClocksOffBudgetMs;
    const uint32_t remaining = turn.remainingMs;
    if (turn.secondsPerMove != 0) {
        // Keep a second in hand. With less than that left, a budget of 0 still lets the search
        // judge every root move one ply deep, which is the quickest move it can make.
        return remaining > kClockMarginMs ? remaining - kClockMarginMs : 0;
    }
    // The game is planned as 65 moves per player; the last ones each get a fifth of what is left.
    const int32_t players = std::max(turn.players, 1);
    const int32_t rounds = std::max(turn.moveCount, 0) / players;
    const int32_t movesLeft = kPlannedMovesPerPlayer - rounds;
    if (movesLeft < 6)
        return remaining / kLastMovesShare;
    return remaining / static_cast<uint32_t>(movesLeft);
}

void* CComputerPlayer::ThreadMain(void* param) {
    auto* p = static_cast<SearchThreadParam*>(param);
    // The search takes every core; the window's thread must still come first, so that painting,
    // menus and a forced move answer at once. The search's own threads inherit this.
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kThinkingNiceness);
    p->search->Run();
    p->finished.store(true, std::memory_order_release);
    return nullptr;
}

void CComputerPlayer::BeginTurn(CBoardCanvas& canvas, CGameBoard& board, const TurnInfo& turn) {
    EndSearch();
    const uint32_t budget = std::min(TimeBudget(turn), budgetLimit_);
    canvas.SetCursor(CursorKind::Busy);
    moveCount_ = turn.moveCount;
    search_ = std::make_unique<CMoveSearch>(board, colour_, levelRating_, budget, turn.moveCount,
                                            turn.turnOrder, previousMove_);
    param_.search = search_.get();
    param_.finished.store(false, std::memory_order_relaxed);

    // std::thread cannot set a stack size; the deepest searches recurse 30 plies.
    pthread_attr_t attr;
    pthread_attr_init(&attr);
    pthread_attr_setstacksize(&attr, kThreadStackBytes);
    threadRunning_ = pthread_create(&thread_, &attr, &ThreadMain, &param_) == 0;
    pthread_attr_destroy(&attr);
    // Without a thread the search never runs; the collection then falls back on scoring alone
    // rather than leave the game waiting.
    if (!threadRunning_)
        param_.finished.store(true, std::memory_order_release);
    moveState_ = kMoveChoosing;
}

int32_t CComputerPlayer::PollTurn(CBoardCanvas& canvas, CGameBoard& board) {
    if (moveState_ == kMoveAnimating) {
        if (animator_.Step(canvas, board))
            moveState_ = kMoveDone;
        return moveState_;
    }
    if (moveState_ != kMoveChoosing)
        return moveState_;
    canvas.SetCursor(CursorKind::Busy);
    if (!search_ || !param_.finished.load(std::memory_order_acquire))
        return moveState_;
    ShowMove(canvas, board);
    return moveState_;
}

void CComputerPlayer::ShowMove(CBoardCanvas& canvas, CGameBoard& board) {
    if (threadRunning_) {
        pthread_join(thread_, nullptr);  // it has already set its flag: this returns at once
        threadRunning_ = false;
    }
    if (search_->HasBestMove())
        previousMove_ = static_cast<const Move&>(search_->BestMove());
    else
        previousMove_ = FallbackMove(board);
    search_.reset();
    canvas.SetCursor(CursorKind::Arrow);
    if (previousMove_.count < 2) {
        // No legal move: nothing is shown, the empty path tells the game to pass the turn.
        previousMove_.count = 0;
        moveState_ = kMoveDone;
        return;
    }
    if (!options_.fullAnimation) {
        board.MoveMarble(previousMove_.Start(), previousMove_.End());
        canvas.DrawCell(previousMove_.Start());
        canvas.DrawCell(previousMove_.End());
        moveState_ = kMoveDone;
        return;
    }
    animator_.Start(canvas, previousMove_, board, options_.marbleSpeed);
    moveState_ = kMoveAnimating;
}

// Every root move scored 0 or less, or only undid the previous move: the move a suggestion would
// be, else the best-scored one. Empty when the colour cannot move at all.
Move CComputerPlayer::FallbackMove(const CGameBoard& board) const {
    CBasicBoard b;
    b.BuildFrom(board);
    const std::optional<Candidate> picked =
        PickCandidate(b, colour_, moveCount_, previousMove_, true);
    return picked ? static_cast<const Move&>(*picked) : Move{};
}

void CComputerPlayer::ForceMove() {
    if (threadRunning_)
        search_->Stop();
}

void CComputerPlayer::EndSearch() {
    if (threadRunning_) {
        search_->Stop();
        pthread_join(thread_, nullptr);
        threadRunning_ = false;
    }
    search_.reset();
}

}  // namespace halmora
