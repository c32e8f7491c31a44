#include "core/storage/CBookLock.h"

#include "CTempFolder.h"
#include "core/storage/CSafeFileWriter.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

class CBookLockTest : public ::testing::Test {
protected:
    CBookLockTest() { CTempFolder::WriteFile(m_path, "book"); }

    bool IsFree() {
        CBookLock probe;
        return probe.Lock(m_path, ELockWait::Never).ok && probe.IsHeld();
    }

    CTempFolder m_folder;
    const std::filesystem::path m_path = m_folder / "book.dat";
};

TEST_F(CBookLockTest, AHeldBookIsBusyUntilItsHolderLetsGo) {
    CBookLock holder;
    ASSERT_TRUE(holder.Lock(m_path, ELockWait::UntilFree).ok);
    CBookLock other;
    const CFileResult busy = other.Lock(m_path, ELockWait::Never);
    EXPECT_FALSE(busy.ok);
    EXPECT_NE(busy.message.find("book.dat"), std::string::npos) << busy.message;
    EXPECT_FALSE(other.IsHeld());
    holder.Unlock();
    EXPECT_TRUE(IsFree());
}

TEST_F(CBookLockTest, ABookNotThereYetHoldsNothingAndIsNoFailure) {
    CBookLock lock;
    EXPECT_TRUE(lock.Lock(m_folder / "new.dat", ELockWait::Never).ok);
    EXPECT_FALSE(lock.IsHeld());
}

// The holder saves by renaming a new file over the book; whoever waited for the old file must
// end up holding the new one, or a third program would find the book free while it is in use.
TEST_F(CBookLockTest, AWaiterEndsUpHoldingTheBookThatReplacedTheOneItWaitedFor) {
    auto holder = std::make_unique<CBookLock>();
    ASSERT_TRUE(holder->Lock(m_path, ELockWait::UntilFree).ok);
    CBookLock waiter;
    std::thread waiting([&] { EXPECT_TRUE(waiter.Lock(m_path, ELockWait::UntilFree).ok); });
    // Gives the waiter time to open the old file; the test holds either way.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ASSERT_TRUE(CSafeFileWriter::Write(m_path, "saved").ok);
    holder.reset();
    waiting.join();
    EXPECT_TRUE(waiter.IsHeld());
    EXPECT_FALSE(IsFree());
}

} // namespace
