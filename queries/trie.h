// Pattern trie of one test case: child rows `nxt`, counters `cnt`, next id `sz`.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

using NodeId = std::int32_t;

inline constexpr int keyWidth = 9;
inline constexpr int slotCount = 11;
inline constexpr int wildcardSlot = 10;
inline constexpr NodeId absent = -1;

using Row = std::array<NodeId, slotCount>;
using Path = std::array<NodeId, keyWidth>;

// Node v < sz has children nxt[v] and counter cnt[v]; entries from sz on are
// spare rows of earlier test cases.
extern std::vector<Row> nxt;
extern std::vector<std::int64_t> cnt;
extern NodeId sz;

// Starts an empty trie (only the root, id 0) for a new test case.
void resetTrie();
// Makes room for `nodes` more nodes without reallocating on the way.
void reserveNodes(std::size_t nodes);
// Inserts a key of digits and ':' (the wildcard), creating the missing nodes.
void add(std::string_view key);
// The nodes after characters 0..k of an added key, k = 0..8.
Path walkPath(std::string_view key);

inline int slotOf(char c) { return c - '0'; }
