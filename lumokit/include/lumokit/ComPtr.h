#pragma once

// Owning pointer to an interface: holds one reference and releases it when it
// lets go. The interface type names its identifier as T::IID, which as<U>()
// uses for QueryInterface.
#include <lumokit/ComInterfaces.h>

#include <utility>

namespace lumokit {

template <typename T> class ComPtr {
public:
    ComPtr() = default;
    ComPtr(std::nullptr_t) {}
    // Shares: adds a reference of its own.
    explicit ComPtr(T* p) : m_p(p) { addRef(); }
    ComPtr(const ComPtr& other) : m_p(other.m_p) { addRef(); }
    ComPtr(ComPtr&& other) noexcept : m_p(std::exchange(other.m_p, nullptr)) {}
    ~ComPtr() { release(); }

    ComPtr& operator=(const ComPtr& other) {
        ComPtr(other).swap(*this);
        return *this;
    }
    ComPtr& operator=(ComPtr&& other) noexcept {
        ComPtr(std::move(other)).swap(*this);
        return *this;
    }
    ComPtr& operator=(std::nullptr_t) {
        reset();
        return *this;
    }

    // Takes over a reference the caller already owns (e.g. from QueryInterface).
    static ComPtr adopt(T* p) {
        ComPtr result;
        result.m_p = p;
        return result;
    }

    T* get() const { return m_p; }
    T* operator->() const { return m_p; }
    T& operator*() const { return *m_p; }
    explicit operator bool() const { return m_p != nullptr; }

    void reset() { ComPtr().swap(*this); }
    // Gives up the reference without releasing it.
    T* detach() { return std::exchange(m_p, nullptr); }
    void swap(ComPtr& other) noexcept { std::swap(m_p, other.m_p); }

    // Releases the current reference and exposes the slot to an out-parameter.
    void** put() {
        reset();
        return reinterpret_cast<void**>(&m_p);
    }

    // QueryInterface for U; empty when the object does not offer it.
    template <typename U> ComPtr<U> as() const {
        ComPtr<U> result;
        if (m_p) {
            m_p->QueryInterface(U::IID, result.put());
        }
        return result;
    }

    friend bool operator==(const ComPtr& a, const ComPtr& b) { return a.m_p == b.m_p; }

private:
    void addRef() {
        if (m_p) {
            m_p->AddRef();
        }
    }
    void release() {
        if (T* p = std::exchange(m_p, nullptr)) {
            p->Release();
        }
    }

    T* m_p = nullptr;
};

} // namespace lumokit

// A Variant that holds an object reference and keeps it alive.
Q_DECLARE_METATYPE(lumokit::ComPtr<lumokit::IDispatch>)
