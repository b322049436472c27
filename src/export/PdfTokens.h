#pragma once

#include <QtGlobal>

#include <memory>
#include <utility>
#include <vector>

// An allocator whose containers leave new elements uninitialised when they
// grow, for buffers that are written right after they grow.
template <typename T> struct DefaultInitAllocator : std::allocator<T>
{
    template <typename U> struct rebind
    {
        using other = DefaultInitAllocator<U>;
    };
    using std::allocator<T>::allocator;
    template <typename U> void construct(U* p) noexcept { ::new (static_cast<void*>(p)) U; }
    template <typename U, typename... Args> void construct(U* p, Args&&... args)
    {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
};

// Text turned into glyph tokens (see CPdfFontSet).
using PdfTokens = std::vector<quint32, DefaultInitAllocator<quint32>>;
