#include "platform/memory_policy.h"
#include "sanitized_build.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <malloc.h>

namespace {

std::size_t MappedBytes() { return mallinfo2().hblkhd; }

// Left to itself glibc raises its mapping threshold when a mapped block is freed, and the next
// block of that size comes from the heap, where its space stays after it is freed.
TEST(MemoryPolicy, LargeBlocksStayMappedAfterOneIsFreed) {
    if (SanitizedBuild) GTEST_SKIP() << "the policy is glibc's; this build allocates otherwise";
    huebit::ReturnLargeBlocksToTheSystem();
    constexpr std::size_t size = 4 << 20;
    void* first = std::malloc(size);
    ASSERT_NE(first, nullptr);
    std::free(first);
    const std::size_t before = MappedBytes();
    void* second = std::malloc(size);
    ASSERT_NE(second, nullptr);
    EXPECT_GE(MappedBytes(), before + size);
    std::free(second);
    EXPECT_EQ(MappedBytes(), before);
}

} // namespace
