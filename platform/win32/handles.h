#pragma once
#include <windows.h>

#include <utility>

namespace platform::win32 {

// Owns one system handle and closes it once; it can be moved but not copied, so no copy can close the
// handle a second time. `Traits` gives the handle type's invalid value and its closing function.
template <typename Traits> class UniqueHandle {
public:
    using Handle = decltype(Traits::Invalid());

    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, Traits::Invalid())) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, Traits::Invalid());
        }
        return *this;
    }

    Handle Get() const { return handle_; }
    bool Valid() const { return handle_ != Traits::Invalid(); }
    void Reset() {
        if (Valid()) {
            Traits::Close(handle_);
            handle_ = Traits::Invalid();
        }
    }

private:
    Handle handle_ = Traits::Invalid();
};

struct FindHandleTraits {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE handle) { FindClose(handle); }
};
using FindHandle = UniqueHandle<FindHandleTraits>;

// A file, or a snapshot of the system's processes: INVALID_HANDLE_VALUE when there is none.
struct FileHandleTraits {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE handle) { CloseHandle(handle); }
};
using FileHandle = UniqueHandle<FileHandleTraits>;
using SnapshotHandle = UniqueHandle<FileHandleTraits>;

// Handles whose failure value is null rather than INVALID_HANDLE_VALUE: processes, threads, mappings,
// mutexes, events, tokens.
struct KernelHandleTraits {
    static HANDLE Invalid() { return nullptr; }
    static void Close(HANDLE handle) { CloseHandle(handle); }
};
using KernelHandle = UniqueHandle<KernelHandleTraits>;

struct RegistryKeyTraits {
    static HKEY Invalid() { return nullptr; }
    static void Close(HKEY key) { RegCloseKey(key); }
};
using RegistryKey = UniqueHandle<RegistryKeyTraits>;

} // namespace platform::win32
