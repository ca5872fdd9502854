#include "labels/key_matcher.h"

#include <algorithm>
#include <deque>

namespace mif2cgps {

KeyMatcher::KeyMatcher(const std::vector<std::string_view>& keys, std::size_t denseLimit) {
  // The trie is built from the keys in byte order, so that each node's
  // children are made in byte order and no per-node lists are needed: the
  // build holds one flat list of edges, however many rows a table has.
  std::vector<std::uint32_t> order;
  order.reserve(keys.size());
  for (std::uint32_t number = 0; number < keys.size(); ++number) {
    if (!keys[number].empty()) order.push_back(number);
  }
  std::stable_sort(order.begin(), order.end(), [&keys](std::uint32_t a, std::uint32_t b) {
    return std::lexicographical_compare(keys[a].begin(), keys[a].end(), keys[b].begin(), keys[b].end(),
                                        [](char x, char y) {
                                          return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
                                        });
  });
  struct TrieEdge {
    std::uint32_t parent;
    Edge edge;
  };
  std::vector<TrieEdge> trieEdges;
  std::vector<std::uint32_t> ownKey(1, kNoKey);
  std::vector<std::uint32_t> path(1, 0);  // the previous key's nodes, root first
  std::string_view previous;
  for (const std::uint32_t number : order) {
    const std::string_view key = keys[number];
    std::size_t shared = 0;
    while (shared < key.size() && shared < previous.size() && key[shared] == previous[shared]) ++shared;
    path.resize(shared + 1);
    for (std::size_t depth = shared; depth < key.size(); ++depth) {
      const auto created = static_cast<std::uint32_t>(ownKey.size());
      trieEdges.push_back({path.back(), {static_cast<unsigned char>(key[depth]), created}});
      ownKey.push_back(kNoKey);
      path.push_back(created);
    }
    // Stable order keeps the smaller number first among equal keys.
    if (ownKey[path.back()] == kNoKey) ownKey[path.back()] = number;
    previous = key;
  }

  // Edges grouped by parent; within a parent they are in byte order already.
  nodes_.resize(ownKey.size());
  for (std::uint32_t node = 0; node < nodes_.size(); ++node) nodes_[node].earliestKey = ownKey[node];
  for (const TrieEdge& trieEdge : trieEdges) ++nodes_[trieEdge.parent].edgeCount;
  std::uint32_t nextEdge = 0;
  for (Node& node : nodes_) {
    node.firstEdge = nextEdge;
    nextEdge += node.edgeCount;
    node.edgeCount = 0;
  }
  edges_.resize(trieEdges.size());
  for (const TrieEdge& trieEdge : trieEdges) {
    Node& parent = nodes_[trieEdge.parent];
    edges_[parent.firstEdge + parent.edgeCount++] = trieEdge.edge;
  }
  trieEdges = {};
  numberBreadthFirst();
  for (std::uint32_t e = 0; e < nodes_[0].edgeCount; ++e) {
    rootChildren_[edges_[e].byte] = edges_[e].target;
  }

  // Breadth first, so a node's fallback is complete before its children's.
  std::deque<std::uint32_t> queue;
  for (std::uint32_t e = 0; e < nodes_[0].edgeCount; ++e) queue.push_back(edges_[e].target);
  while (!queue.empty()) {
    const std::uint32_t node = queue.front();
    queue.pop_front();
    for (std::uint32_t e = nodes_[node].firstEdge; e < nodes_[node].firstEdge + nodes_[node].edgeCount; ++e) {
      const Edge edge = edges_[e];
      const std::uint32_t next = step(nodes_[node].fallback, edge.byte);
      Node& target = nodes_[edge.target];
      target.fallback = next;
      target.earliestKey = std::min(target.earliestKey, nodes_[next].earliestKey);
      queue.push_back(edge.target);
    }
  }
  buildDense(denseLimit);
}

void KeyMatcher::numberBreadthFirst() {
  std::vector<std::uint32_t> order(1, 0);
  order.reserve(nodes_.size());
  for (std::size_t next = 0; next < order.size(); ++next) {
    const Node& node = nodes_[order[next]];
    for (std::uint32_t e = node.firstEdge; e < node.firstEdge + node.edgeCount; ++e) order.push_back(edges_[e].target);
  }
  std::vector<std::uint32_t> newNumber(nodes_.size());
  for (std::uint32_t number = 0; number < order.size(); ++number) newNumber[order[number]] = number;
  std::vector<Node> nodes(nodes_.size());
  std::vector<Edge> edges;
  edges.reserve(edges_.size());
  for (std::uint32_t number = 0; number < order.size(); ++number) {
    const Node& old = nodes_[order[number]];
    Node& node = nodes[number];
    node.earliestKey = old.earliestKey;
    node.firstEdge = static_cast<std::uint32_t>(edges.size());
    node.edgeCount = old.edgeCount;
    for (std::uint32_t e = old.firstEdge; e < old.firstEdge + old.edgeCount; ++e) {
      edges.push_back({edges_[e].byte, newNumber[edges_[e].target]});
    }
  }
  nodes_ = std::move(nodes);
  edges_ = std::move(edges);
}

void KeyMatcher::buildDense(std::size_t denseLimit) {
  for (const Edge& edge : edges_) {
    if (byteClass_[edge.byte] == 0) byteClass_[edge.byte] = classCount_++;
  }
  if (nodes_.size() * classCount_ > denseLimit) {
    byteClass_.fill(0);
    classCount_ = 1;
    return;
  }
  if (nodes_.size() < 0x8000) {
    fillDense<std::uint16_t>(dense16_, 0x8000);
  } else {
    fillDense<std::uint32_t>(dense32_, 1u << 31);
  }
}

template <typename Entry>
void KeyMatcher::fillDense(std::vector<Entry>& dense, Entry holdsKey) {
  std::array<unsigned char, 256> classByte{};
  for (unsigned byte = 0; byte < 256; ++byte) classByte[byteClass_[byte]] = static_cast<unsigned char>(byte);
  dense.assign(nodes_.size() * classCount_, 0);
  for (std::uint32_t node = 0; node < nodes_.size(); ++node) {
    for (std::uint32_t byteClass = 1; byteClass < classCount_; ++byteClass) {
      const std::uint32_t next = step(node, classByte[byteClass]);
      dense[node * classCount_ + byteClass] =
          static_cast<Entry>(next | (nodes_[next].earliestKey != kNoKey ? holdsKey : 0));
    }
  }
}

template <typename Entry>
std::uint32_t KeyMatcher::earliestInDense(const std::vector<Entry>& dense, Entry holdsKey,
                                          std::string_view text) const {
  std::uint32_t earliest = kNoKey;
  std::uint32_t node = 0;
  for (const char c : text) {
    const Entry entry = dense[node * classCount_ + byteClass_[static_cast<unsigned char>(c)]];
    node = entry & static_cast<Entry>(~holdsKey);
    // Most states hold no key: their node is not read.
    if (entry & holdsKey) earliest = std::min(earliest, nodes_[node].earliestKey);
  }
  return earliest;
}

std::uint32_t KeyMatcher::child(std::uint32_t node, unsigned char byte) const {
  if (node == 0) return rootChildren_[byte];
  const Node& n = nodes_[node];
  const Edge* first = edges_.data() + n.firstEdge;
  const Edge* last = first + n.edgeCount;
  const Edge* found = std::lower_bound(first, last, byte, [](const Edge& e, unsigned char b) { return e.byte < b; });
  return (found != last && found->byte == byte) ? found->target : 0;
}

// The state after `byte`, following fallbacks until a trie edge fits.
std::uint32_t KeyMatcher::step(std::uint32_t node, unsigned char byte) const {
  std::uint32_t next = child(node, byte);
  while (next == 0 && node != 0) {
    node = nodes_[node].fallback;
    next = child(node, byte);
  }
  return next;
}

std::uint32_t KeyMatcher::earliestMatch(std::string_view text) const {
  if (!dense16_.empty()) return earliestInDense<std::uint16_t>(dense16_, 0x8000, text);
  if (!dense32_.empty()) return earliestInDense<std::uint32_t>(dense32_, 1u << 31, text);
  std::uint32_t earliest = kNoKey;
  std::uint32_t node = 0;
  for (const char c : text) {
    node = step(node, static_cast<unsigned char>(c));
    earliest = std::min(earliest, nodes_[node].earliestKey);
  }
  return earliest;
}

}  // namespace mif2cgps
