// Pattern trie: a pool of nodes, each a row of 11 child ids and a counter.
// Cost: add and walkPath take 9 steps; resetTrie is O(1) and keeps the
// rows, so memory is that of the largest test case (52 bytes a node).
// Tested by tests/queries_trie_test.cpp and through every driver test.
#include "trie.h"

std::vector<Row> nxt;
std::vector<std::int64_t> cnt;
NodeId sz = 0;

namespace {
constexpr Row emptyRow = {absent, absent, absent, absent, absent, absent, absent, absent, absent, absent, absent};

// Rows past sz are left over from earlier test cases: reused, never read
// before they are cleared here.
NodeId newNode() {
  if (static_cast<std::size_t>(sz) == cnt.size()) {  // cnt's size is cheaper to read than nxt's
    nxt.push_back(emptyRow);
    cnt.push_back(0);
  } else {
    nxt[sz] = emptyRow;
    cnt[sz] = 0;
  }
  return sz++;
}
}  // namespace

// Each test case starts from id 1 again: a fresh node always gets an empty
// row and a zero counter, so nothing of an earlier test case is ever seen.
void resetTrie() {
  sz = 0;
  newNode();
}

void reserveNodes(std::size_t nodes) {
  nxt.reserve(static_cast<std::size_t>(sz) + nodes);
  cnt.reserve(static_cast<std::size_t>(sz) + nodes);
}

void add(std::string_view key) {
  NodeId v = 0;
  for (char c : key) {
    NodeId child = nxt[v][slotOf(c)];
    if (child == absent) {
      child = newNode();  // may move the rows, so store through a fresh index
      nxt[v][slotOf(c)] = child;
    }
    v = child;
  }
}

Path walkPath(std::string_view key) {
  Path path{};
  NodeId v = 0;
  for (std::size_t k = 0; k < key.size() && k < path.size(); ++k) {
    v = nxt[v][slotOf(key[k])];
    path[k] = v;
  }
  return path;
}
