#pragma once
// What a file operation that can fail hands back: success, or the errno taken at the
// failing call itself. The cause travels with the result, so nothing that runs in
// between (a clean-up, a Qt call, a message box) can overwrite it.
#include <cerrno>
#include <optional>
#include <utility>

namespace lerno {

class DateiErgebnis {
public:
    // Success.
    constexpr DateiErgebnis() = default;

    // A failure with the errno the failing call left; 0 when the failure has no system
    // cause (a text the list cannot hold, a name that is refused).
    static constexpr DateiErgebnis Fehler(int fehlernummer)
    {
        DateiErgebnis e;
        e.ok_ = false;
        e.fehlernummer_ = fehlernummer;
        return e;
    }
    // A failure with errno as the call just made left it: only right after that call.
    static DateiErgebnis Errno() { return Fehler(errno); }

    constexpr bool ok() const { return ok_; }
    // True on success, so a caller that only needs to know whether it worked reads it
    // like the bool it used to be.
    constexpr operator bool() const { return ok_; }
    // The errno of the failing call; 0 on success or without a system cause.
    constexpr int Fehlernummer() const { return fehlernummer_; }

private:
    bool ok_ = true;
    int fehlernummer_ = 0;
};

// A value read from a file, or why it could not be read; used like std::optional.
template <class T>
class DateiWert {
public:
    DateiWert(T wert) : wert_(std::move(wert)) {}
    DateiWert(DateiErgebnis fehler) : fehler_(fehler.ok() ? DateiErgebnis::Fehler(0) : fehler) {}

    explicit operator bool() const { return wert_.has_value(); }
    bool has_value() const { return wert_.has_value(); }
    T& operator*() { return *wert_; }
    const T& operator*() const { return *wert_; }
    T* operator->() { return &*wert_; }
    const T* operator->() const { return &*wert_; }
    template <class U>
    T value_or(U&& ersatz) const { return wert_.value_or(std::forward<U>(ersatz)); }

    // Success, or the failure with its cause.
    DateiErgebnis Ergebnis() const { return fehler_; }

private:
    std::optional<T> wert_;
    DateiErgebnis fehler_;
};

} // namespace lerno
