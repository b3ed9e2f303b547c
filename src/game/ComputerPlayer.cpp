#include "game/ComputerPlayer.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

#include "ai/Evaluation.h"
#include "board/BasicBoard.h"
#include "board/MoveGenerator.h"

namespace halmora {
namespace {

constexpr uint32_t kClockMarginMs = 1000;
constexpr int kThinkingNiceness = 5;
constexpr int32_t kPlannedMovesPerPlayer = 65;
constexpr int32_t kLastMovesShare = 5;

bool IsReversal(const Move& m, const Move& previous) {
    return previous.count >= 2 && m.Start() == previous.End() && m.End() == previous.Start();
}

// The move to play when the search chose none (every root move scored 0 or less, or only undid
// the previous move): the one the candidate selection keeps with a limit of one, as a suggestion
// would be chosen, else the best-scored move of all. Undoing the previous move is a last resort,
// so two moves cannot alternate for ever. Empty when the colour cannot move at all.
Move FallbackMove(const CGameBoard& board, PlayerColor c, int moveCount, const Move& previous) {
    CBasicBoard b;
    b.BuildFrom(board);
    // About a third of a megabyte, and needed only when the search came back empty.
    auto lists = std::make_unique<std::array<MarbleCandidates, kTriangleHoles>>();
    std::vector<const Candidate*> all;
    for (int k = 0; k < kTriangleHoles; ++k) {
        const Place start = b.Marbles(c)[k];
        if (b.Cell(start).occupant != ToColor8(c))
            continue;  // a colour with fewer than ten marbles leaves unused entries
        MarbleCandidates& list = (*lists)[k];
        GenerateMoves(b, start, list);
        const MarbleContext m = MakeMarbleContext(b, c, k, moveCount);
        for (int i = 0; i < list.count; ++i) {
            list.moves[i].score = ScoreMove(b, m, PlaceIndex(list.moves[i].End()));
            all.push_back(&list.moves[i]);
        }
    }

    std::vector<const Candidate*> pool;
    for (const Candidate* x : all)
        if (!IsReversal(*x, previous))
            pool.push_back(x);
    if (pool.empty())
        pool = all;
    if (pool.empty())
        return Move{};

    int16_t kept[1];
    const auto scoreOf = [&pool](int i) -> const Score& { return pool[i]->score; };
    if (SelectCandidates(static_cast<int>(pool.size()), 1, scoreOf, kept) == 1)
        return *pool[kept[0]];
    const auto best = std::max_element(pool.begin(), pool.end(), [](auto* a, auto* b2) {
        return a->score.total < b2->score.total;
    });
    return **best;
}

}  // namespace

CComputerPlayer::CComputerPlayer(PlayerColor colour, PlayerType seatType, std::string_view)
    : CPlayer(colour, seatType, LevelName(seatType)), levelRating_(LevelRating(seatType)) {
    rating_ = levelRating_;
    moveState_ = kMoveChoosing;
}

CComputerPlayer::~CComputerPlayer() {
    EndSearch();
}

std::string_view CComputerPlayer::LevelName(PlayerType seatType) {
    switch (seatType) {
        case 2:
            return "Novice A.I.";
        case 3:
            return "Average A.I.";
        case 4:
            return "Advanced A.I.";
        case 5:
            return "Expert A.I.";
        default:
            return "Master A.I.";
    }
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
    settings_.Load();
    if (search_->HasBestMove())
        previousMove_ = static_cast<const Move&>(search_->BestMove());
    else
        previousMove_ = FallbackMove(board, colour_, moveCount_, previousMove_);
    search_.reset();
    canvas.SetCursor(CursorKind::Arrow);
    if (previousMove_.count < 2) {
        // No legal move: nothing is shown, the empty path tells the game to pass the turn.
        previousMove_.count = 0;
        moveState_ = kMoveDone;
        return;
    }
    if (settings_.FullAnimation != 1) {
        board.MoveMarble(previousMove_.Start(), previousMove_.End());
        canvas.DrawCell(previousMove_.Start());
        canvas.DrawCell(previousMove_.End());
        moveState_ = kMoveDone;
        return;
    }
    animator_.Start(canvas, previousMove_, board, settings_.MarbleSpeed());
    moveState_ = kMoveAnimating;
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
