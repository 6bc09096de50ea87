#pragma once
// The runtime error: what the program's error traps receive and what its
// error dialogs show. Numbers follow the suite's runtime (and ADO's for
// data-access errors) because callers compare them.
#include <QString>
#include <exception>
#include <string>

namespace rt {

namespace err {
constexpr long InvalidCall = 5;        // invalid procedure call or argument
constexpr long Overflow = 6;
constexpr long SubscriptOutOfRange = 9;
constexpr long DivisionByZero = 11;
constexpr long TypeMismatch = 13;
constexpr long InvalidUseOfNull = 94;
constexpr long FileNotFound = 53;
constexpr long PathFileAccess = 75;
constexpr long PathNotFound = 76;
constexpr long ObjectRequired = 424;
constexpr long NoSuchControlArrayElement = 340;
constexpr long ObjectAlreadyLoaded = 360;
constexpr long CannotUnloadDesignControl = 362;
constexpr long InvalidPropertyValue = 380;
constexpr long InvalidPropertyArrayIndex = 381;  // also a grid's row or column out of range
constexpr long PropertyIsReadOnly = 383;
// The collections of the list, tree and image controls.
constexpr long IndexOutOfBounds = 35600;
constexpr long ElementNotFound = 35601;
constexpr long KeyNotUnique = 35602;
}  // namespace err

class Error : public std::exception {
 public:
  Error(long number, QString description, QString source = QString());

  long Number() const { return number_; }
  const QString& Description() const { return description_; }
  const QString& Source() const { return source_; }
  void setSource(const QString& s) { source_ = s; }

  const char* what() const noexcept override { return what_.c_str(); }

 private:
  long number_;
  QString description_;
  QString source_;
  std::string what_;
};

// The runtime's own errors with their Spanish descriptions.
[[noreturn]] void raise(long number, const QString& source = QString());
// PathFileAccess (75) naming the file and the system's reason.
[[noreturn]] void raiseFileAccess(const QString& path, const QString& reason);
QString describe(long number);

}  // namespace rt
