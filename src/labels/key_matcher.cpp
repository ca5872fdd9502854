#include "labels/key_matcher.h"

#include <algorithm>
#include <deque>

namespace mif2cgps {

KeyMatcher::KeyMatcher(const std::vector<std::string_view>& keys, std::size_t denseLimit) {
  // A plain trie first, children kept per node while it grows.
  std::vector<std::vector<Edge>> children(1);
  std::vector<std::uint32_t> ownKey(1, kNoKey);
  for (std::uint32_t number = 0; number < keys.size(); ++number) {
    if (keys[number].empty()) continue;
    std::uint32_t node = 0;
    for (const char c : keys[number]) {
      const auto byte = static_cast<unsigned char>(c);
      auto& edges = children[node];
      auto found = std::find_if(edges.begin(), edges.end(), [byte](const Edge& e) { return e.byte == byte; });
      if (found != edges.end()) {
        node = found->target;
        continue;
      }
      const auto created = static_cast<std::uint32_t>(children.size());
      edges.push_back({byte, created});
      children.emplace_back();
      ownKey.push_back(kNoKey);
      node = created;
    }
    ownKey[node] = std::min(ownKey[node], number);
  }

  nodes_.resize(children.size());
  for (std::uint32_t node = 0; node < children.size(); ++node) {
    auto& edges = children[node];
    std::sort(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) { return a.byte < b.byte; });
    nodes_[node].firstEdge = static_cast<std::uint32_t>(edges_.size());
    nodes_[node].edgeCount = static_cast<std::uint32_t>(edges.size());
    nodes_[node].earliestKey = ownKey[node];
    edges_.insert(edges_.end(), edges.begin(), edges.end());
  }
  for (const Edge& edge : children[0]) rootChildren_[edge.byte] = edge.target;

  // Breadth first, so a node's fallback is complete before its children's.
  std::deque<std::uint32_t> queue;
  for (const Edge& edge : children[0]) queue.push_back(edge.target);
  while (!queue.empty()) {
    const std::uint32_t node = queue.front();
    queue.pop_front();
    for (const Edge& edge : children[node]) {
      const std::uint32_t next = step(nodes_[node].fallback, edge.byte);
      Node& target = nodes_[edge.target];
      target.fallback = next;
      target.earliestKey = std::min(target.earliestKey, nodes_[next].earliestKey);
      queue.push_back(edge.target);
    }
  }
  buildDense(denseLimit);
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
  std::array<unsigned char, 256> classByte{};
  for (unsigned byte = 0; byte < 256; ++byte) classByte[byteClass_[byte]] = static_cast<unsigned char>(byte);
  dense_.assign(nodes_.size() * classCount_, 0);
  for (std::uint32_t node = 0; node < nodes_.size(); ++node) {
    for (std::uint32_t byteClass = 1; byteClass < classCount_; ++byteClass) {
      dense_[node * classCount_ + byteClass] = step(node, classByte[byteClass]);
    }
  }
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
  std::uint32_t earliest = kNoKey;
  std::uint32_t node = 0;
  if (dense_.empty()) {
    for (const char c : text) {
      node = step(node, static_cast<unsigned char>(c));
      earliest = std::min(earliest, nodes_[node].earliestKey);
    }
    return earliest;
  }
  for (const char c : text) {
    node = dense_[node * classCount_ + byteClass_[static_cast<unsigned char>(c)]];
    earliest = std::min(earliest, nodes_[node].earliestKey);
  }
  return earliest;
}

}  // namespace mif2cgps
