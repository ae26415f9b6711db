// The trie and the per-number sweep on the worked examples, and the fresh
// start every test case gets.
#include <gtest/gtest.h>

#include <vector>

#include "sweep.h"
#include "trie.h"

namespace {

std::vector<NodeId> asVector(const Path& p) { return {p.begin(), p.end()}; }

TEST(Trie, AssignsIdsInCreationOrderAndSharesPrefixes) {
  resetTrie();
  add("0000000:5");
  EXPECT_EQ(sz, 10);
  EXPECT_EQ(asVector(walkPath("0000000:5")), (std::vector<NodeId>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
  add("00000001:");
  EXPECT_EQ(sz, 12);
  EXPECT_EQ(asVector(walkPath("00000001:")), (std::vector<NodeId>{1, 2, 3, 4, 5, 6, 7, 10, 11}));
  add("0000000:5");  // already there: creates nothing, walks the same path
  EXPECT_EQ(sz, 12);
  EXPECT_EQ(asVector(walkPath("0000000:5")), (std::vector<NodeId>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST(Trie, DigitAndWildcardAreSeparateChildren) {
  resetTrie();
  add("0000001:0");
  const NodeId before = sz;
  add("000000100");
  EXPECT_EQ(sz, before + 2);
  EXPECT_NE(walkPath("000000100")[7], walkPath("0000001:0")[7]);
}

TEST(Trie, EveryTestCaseStartsAfresh) {
  resetTrie();
  add("0000000:5");
  add("123456789");
  rec("999999999", 0, 0, 1);
  ASSERT_GT(cnt[1], 0);  // the earlier test case leaves counts behind

  resetTrie();
  EXPECT_EQ(sz, 1);
  for (NodeId child : nxt[0]) EXPECT_EQ(child, absent);  // no pattern: no children
  add("0000000:5");
  EXPECT_EQ(asVector(walkPath("0000000:5")), (std::vector<NodeId>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
  for (NodeId v = 0; v < sz; ++v) {
    EXPECT_EQ(cnt[v], 0) << v;
    for (int s = 0; s < slotCount; ++s) {
      if (v < 9) {
        EXPECT_EQ(nxt[v][s] != absent, s == (v == 7 ? wildcardSlot : v == 8 ? 5 : 0)) << v << " " << s;
      } else {
        EXPECT_EQ(nxt[v][s], absent);  // the old 123456789 branch is gone
      }
    }
  }
}

TEST(Sweep, WorkedExampleCounters) {
  resetTrie();
  add("0000000:5");
  add("00000001:");
  for (const char* number : {"000000005", "000000015", "000000025"}) rec(number, 0, 0, 1);
  const struct {
    const char* key;
    std::vector<std::int64_t> counters;
    std::int64_t answer;
  } cases[] = {
      {"0000000:5", {0, 0, 0, 0, 0, 0, 0, 3, 3}, 6},
      {"00000001:", {0, 0, 0, 0, 0, 0, 0, 1, 6}, 16},
  };
  for (const auto& c : cases) {
    const Path path = walkPath(c.key);
    std::vector<std::int64_t> counters;
    for (NodeId v : path) counters.push_back(cnt[v]);
    EXPECT_EQ(counters, c.counters) << c.key;
    EXPECT_EQ(evaluatePattern(c.key, path), c.answer) << c.key;
  }
}

TEST(Sweep, NoPatternsMeansNothingChanges) {
  resetTrie();
  rec("123456789", 0, 0, 1);
  EXPECT_EQ(sz, 1);
  EXPECT_EQ(cnt[0], 0);
}

}  // namespace
