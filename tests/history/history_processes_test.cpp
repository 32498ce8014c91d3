// Other processes at work on the history: killed in the middle of a write, two at once, and one
// whose disk fills up.
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <set>
#include <thread>

#include "history/history_store.h"
#include "tests/history/history_fixture.h"

namespace quintix::testing {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr int Kills = 60;
#else
constexpr int Kills = 300;
#endif

struct TChild {
    pid_t Pid = -1;
    int Reports = -1;  // the read end of the pipe on which the child reports each stored game
};

// Starts a process that stores games numbered 1..count (or on and on when count is 0) in series of
// its own, and writes each number to the pipe once its transaction has committed. Its exit status
// is how many failures its store reported.
template <typename TSetUp>
TChild StartRecording(const std::string& path, int count, TSetUp setUp) {
    int pipeEnds[2];
    EXPECT_EQ(pipe(pipeEnds), 0);
    const pid_t pid = fork();
    if (pid == 0) {
        close(pipeEnds[0]);
        setUp();
        int reports = 0;
        THistoryStore store(path, [&reports](const std::string&) { ++reports; });
        const std::string series = "pid" + std::to_string(getpid()) + "-";
        for (int n = 1; count == 0 || n <= count; ++n) {
            if (store.RecordGames(Series(series + std::to_string(n)), {Game(1, "Ann")}) &&
                write(pipeEnds[1], &n, sizeof n) != sizeof n) {
                _exit(100);
            }
        }
        _exit(reports);
    }
    close(pipeEnds[1]);
    return {pid, pipeEnds[0]};
}

// Waits for the child; gives its exit status and adds the games it reported to stored.
int Finish(const TChild& child, std::set<std::string>& stored) {
    int status = 0;
    waitpid(child.Pid, &status, 0);
    for (int n = 0; read(child.Reports, &n, sizeof n) == sizeof n;) {
        stored.insert("pid" + std::to_string(child.Pid) + "-" + std::to_string(n));
    }
    close(child.Reports);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

// Every game the history holds, by series id.
std::set<std::string> StoredSeries(const std::string& path) {
    THistoryStore store(path);
    std::set<std::string> ids;
    for (const TStoredGame& game : AllGames(store)) {
        ids.insert(game.Series.Id);
    }
    return ids;
}

// Blocks until the child has stored its first game, so that a kill after it falls among writes
// however slow the machine is.
void AwaitFirstGame(const TChild& child, std::set<std::string>& stored) {
    int n = 0;
    ASSERT_EQ(read(child.Reports, &n, sizeof n), static_cast<ssize_t>(sizeof n));
    stored.insert("pid" + std::to_string(child.Pid) + "-" + std::to_string(n));
}

// As SQLite tests itself: kill the writer at random moments, then check the file and that every
// game reported stored is there. Every other writer is killed at any moment, perhaps while it
// still opens the file; the rest only once they are storing games.
TEST_F(HistoryTest, AKilledWriterLosesNoStoredGameAndLeavesASoundFile) {
    std::mt19937 random(2024);
    std::set<std::string> reported;
    for (int kill = 0; kill < Kills; ++kill) {
        const TChild child = StartRecording(Db(), 0, [] {});
        if (kill % 2 == 0) {
            AwaitFirstGame(child, reported);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 20'000));
        ::kill(child.Pid, SIGKILL);
        EXPECT_EQ(Finish(child, reported), -SIGKILL);
    }
    EXPECT_EQ(IntegrityCheck(Db()), "ok");
    const std::set<std::string> stored = StoredSeries(Db());
    EXPECT_GE(reported.size(), static_cast<std::size_t>(Kills / 2));
    for (const std::string& id : reported) {
        EXPECT_TRUE(stored.count(id) == 1) << id << " was reported stored";
    }
}

TEST_F(HistoryTest, TwoProcessesRecordingAtOnceBothStoreEveryGame) {
    std::set<std::string> reported;
    const TChild first = StartRecording(Db(), 150, [] {});
    const TChild second = StartRecording(Db(), 150, [] {});
    EXPECT_EQ(Finish(first, reported), 0);
    EXPECT_EQ(Finish(second, reported), 0);
    EXPECT_EQ(reported.size(), 300U);
    EXPECT_EQ(StoredSeries(Db()), reported);
}

// A process that may not write more than 64 KB to a file meets a full disk, as root would too: it
// hears of it once, its stored games stay, and the history takes games again once there is room.
TEST_F(HistoryTest, AFullDiskIsReportedOnceAndLosesNothingStored) {
    std::set<std::string> reported;
    const TChild child = StartRecording(Db(), 200, [] {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{64 * 1024, 64 * 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
    });
    EXPECT_EQ(Finish(child, reported), 1) << "reports";
    EXPECT_GT(reported.size(), 0U);
    EXPECT_LT(reported.size(), 200U);
    EXPECT_EQ(IntegrityCheck(Db()), "ok");
    EXPECT_EQ(StoredSeries(Db()), reported);
    THistoryStore store(Db());
    EXPECT_TRUE(store.RecordGames(Series("later"), {Game(1, "Ann")})) << store.Error();
}

}  // namespace
}  // namespace quintix::testing
