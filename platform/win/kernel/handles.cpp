#include "platform/win/kernel/handles.h"

#include <sys/syscall.h>
#include <unistd.h>

#include <cstdint>
#include <unordered_map>

#include "platform/win/winbase.h"

namespace win::kernel {
namespace {

struct Table {
    std::mutex lock;
    std::unordered_map<std::uintptr_t, std::shared_ptr<Object>> objects;
    std::uintptr_t next = 4;
};

Table& TheTable() {
    static Table* table = new Table;  // outlives every static destructor
    return *table;
}

}  // namespace

std::mutex& WaitLock() {
    static std::mutex* lock = new std::mutex;
    return *lock;
}

HANDLE AddHandle(std::shared_ptr<Object> object) {
    Table& t = TheTable();
    std::lock_guard guard(t.lock);
    std::uintptr_t id = t.next;
    t.next += 4;
    t.objects.emplace(id, std::move(object));
    return reinterpret_cast<HANDLE>(id);
}

std::shared_ptr<Object> FindHandle(HANDLE handle) {
    Table& t = TheTable();
    std::lock_guard guard(t.lock);
    auto it = t.objects.find(reinterpret_cast<std::uintptr_t>(handle));
    return it == t.objects.end() ? nullptr : it->second;
}

std::shared_ptr<Object> TakeHandle(HANDLE handle) {
    Table& t = TheTable();
    std::lock_guard guard(t.lock);
    auto it = t.objects.find(reinterpret_cast<std::uintptr_t>(handle));
    if (it == t.objects.end()) return nullptr;
    auto object = std::move(it->second);
    t.objects.erase(it);
    return object;
}

long CurrentTid() {
    thread_local long tid = static_cast<long>(syscall(SYS_gettid));
    return tid;
}

}  // namespace win::kernel

BOOL CloseHandle(HANDLE hObject) {
    // The object itself goes when its last user lets go (a running thread
    // keeps its own object alive).
    if (!win::kernel::TakeHandle(hObject)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}
