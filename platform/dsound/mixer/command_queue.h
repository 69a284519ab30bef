// A single-producer single-consumer queue without a limit: the user-interface
// thread pushes, the audio thread pops. Only the producer allocates and frees
// nodes: it takes back the ones the consumer has passed, so the audio thread
// never allocates and memory goes back on the thread that made it.
#pragma once

#include <atomic>

namespace dsound {

template <class T>
class CommandQueue {
 public:
  CommandQueue() {
    Node* n = new Node;
    tail_.store(n, std::memory_order_relaxed);
    head_ = first_ = tailCopy_ = n;
  }
  CommandQueue(const CommandQueue&) = delete;
  CommandQueue& operator=(const CommandQueue&) = delete;
  ~CommandQueue() {
    for (Node* n = first_; n;) {
      Node* next = n->next.load(std::memory_order_relaxed);
      delete n;
      n = next;
    }
  }

  // Producer.
  void Push(const T& value) {
    Node* n = TakeNode();
    n->value = value;
    n->next.store(nullptr, std::memory_order_relaxed);
    head_->next.store(n, std::memory_order_release);
    head_ = n;
  }

  // Consumer: the oldest value, or null; it stays queued until Pop.
  const T* Peek() const {
    Node* next = tail_.load(std::memory_order_relaxed)->next.load(std::memory_order_acquire);
    return next ? &next->value : nullptr;
  }
  void Pop() {
    Node* next = tail_.load(std::memory_order_relaxed)->next.load(std::memory_order_acquire);
    if (next) tail_.store(next, std::memory_order_release);
  }

 private:
  struct Node {
    std::atomic<Node*> next{nullptr};
    T value{};
  };

  Node* TakeNode() {
    if (first_ != tailCopy_) return Recycle();
    tailCopy_ = tail_.load(std::memory_order_acquire);
    if (first_ != tailCopy_) return Recycle();
    return new Node;
  }
  Node* Recycle() {
    Node* n = first_;
    first_ = first_->next.load(std::memory_order_relaxed);
    return n;
  }

  std::atomic<Node*> tail_;  // consumer: the last node taken
  Node* head_;  // producer: the last node pushed
  Node* first_;  // producer: the oldest node, free once the consumer passed it
  Node* tailCopy_;  // producer: what it last saw of tail_
};

}  // namespace dsound
