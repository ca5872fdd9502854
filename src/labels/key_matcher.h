// Finds which of many keys occur in a text, reporting the earliest key in
// the order they were added, at a cost that grows with the text and not with
// the number of keys (an Aho-Corasick automaton).
#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <string_view>
#include <vector>

namespace mif2cgps {

class KeyMatcher {
 public:
  static constexpr std::uint32_t kNoKey = std::numeric_limits<std::uint32_t>::max();
  // Up to this many transitions (2 or 4 bytes each), every state gets a full row
  // over the bytes the keys use, and a lookup costs one step per byte. A
  // larger table keeps only its trie edges, in memory that grows with the
  // keys' length alone.
  static constexpr std::size_t kDefaultDenseLimit = 1 << 20;

  // Builds the matcher over `keys`; a key's number is its index there.
  // Empty keys never match.
  explicit KeyMatcher(const std::vector<std::string_view>& keys, std::size_t denseLimit = kDefaultDenseLimit);
  KeyMatcher() : KeyMatcher(std::vector<std::string_view>{}) {}

  // The smallest number of a key that occurs in `text` as a byte-wise
  // substring, or kNoKey.
  std::uint32_t earliestMatch(std::string_view text) const;

 private:
  struct Edge {
    unsigned char byte;
    std::uint32_t target;
  };
  struct Node {
    std::uint32_t firstEdge = 0;  // edges of a node are contiguous, sorted by byte
    std::uint32_t edgeCount = 0;
    std::uint32_t fallback = 0;   // the longest proper suffix that is also a trie node
    std::uint32_t earliestKey = kNoKey;  // over this node and all its fallbacks
  };

  std::uint32_t child(std::uint32_t node, unsigned char byte) const;
  std::uint32_t step(std::uint32_t node, unsigned char byte) const;
  void numberBreadthFirst();
  void buildDense(std::size_t denseLimit);
  template <typename Entry>
  void fillDense(std::vector<Entry>& dense, Entry holdsKey);
  template <typename Entry>
  std::uint32_t earliestInDense(const std::vector<Entry>& dense, Entry holdsKey, std::string_view text) const;

  std::vector<Node> nodes_;
  std::vector<Edge> edges_;
  std::array<std::uint32_t, 256> rootChildren_{};  // 0: no child

  // The dense form: byte -> class (0 for bytes no key holds), and per state
  // one row of next states by class, each marked by its top bit when that
  // state holds a key. A lookup is a chain of dependent loads, so rows are
  // kept as small as the number of states allows (16 bits up to 32,767
  // states) and states are numbered breadth first, the busy shallow ones
  // together. Both empty when over the limit.
  std::array<std::uint32_t, 256> byteClass_{};
  std::uint32_t classCount_ = 1;
  std::vector<std::uint16_t> dense16_;
  std::vector<std::uint32_t> dense32_;
};

}  // namespace mif2cgps
