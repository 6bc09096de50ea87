#pragma once
// The last bytes a field held and the value read from them: records in
// voucher order repeat dates, rates and zero amounts, and a repeat costs a
// comparison instead of a reading.
#include <cstdint>
#include <cstring>
#include <utility>

namespace ado::dbf {

template <class Value>
class RepeatedValue {
 public:
  // Wider fields are read every time.
  static constexpr int kMaxBytes = 16;

  // Whether `value()` is the value of the `length` bytes at `at`.
  bool holds(const char* at, int length) const {
    if (!kept_ || length > kMaxBytes) return false;
    if (length >= 8) return sameWords<uint64_t>(at, length);
    if (length >= 4) return sameWords<uint32_t>(at, length);
    return std::memcmp(at, bytes_, length) == 0;
  }
  const Value& value() const { return value_; }

  // `value` is the value of the `length` bytes at `at`.
  void keep(const char* at, int length, Value value) {
    value_ = std::move(value);
    kept_ = length <= kMaxBytes;
    if (!kept_) return;
    if (length >= 8)
      copyWords<uint64_t>(at, length);
    else if (length >= 4)
      copyWords<uint32_t>(at, length);
    else
      std::memcpy(bytes_, at, length);
  }

 private:
  // A field from one word to two wide is covered by two words that overlap:
  // the first one and the last one.
  template <class Word>
  bool sameWords(const char* at, int length) const {
    return load<Word>(at) == load<Word>(bytes_) && load<Word>(at + length - sizeof(Word)) ==
                                                        load<Word>(bytes_ + length - sizeof(Word));
  }
  template <class Word>
  void copyWords(const char* at, int length) {
    const Word first = load<Word>(at), last = load<Word>(at + length - sizeof(Word));
    std::memcpy(bytes_, &first, sizeof(Word));
    std::memcpy(bytes_ + length - sizeof(Word), &last, sizeof(Word));
  }
  template <class Word>
  static Word load(const char* at) {
    Word w;
    std::memcpy(&w, at, sizeof w);
    return w;
  }

  char bytes_[kMaxBytes] = {};
  bool kept_ = false;
  Value value_{};
};

}  // namespace ado::dbf
