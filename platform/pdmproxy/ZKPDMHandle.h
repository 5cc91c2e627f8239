#pragma once
// An owning handle to a proxy object of the host's PDM proxy: null when there is no object
// (a cancelled dialog, an object that was not found), released when the handle goes.

#include <memory>
#include <utility>

template <class T>
class ZKPDMHandle {
public:
    ZKPDMHandle() = default;
    explicit ZKPDMHandle(std::unique_ptr<T> proxy) noexcept : proxy_(std::move(proxy)) {}

    bool isNull() const noexcept { return proxy_ == nullptr; }
    T* operator->() const noexcept { return proxy_.get(); }
    T& operator*() const noexcept { return *proxy_; }

private:
    std::unique_ptr<T> proxy_;
};
