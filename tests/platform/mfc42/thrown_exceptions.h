// What a call throws, for the class-library tests: whether it throws an
// exception of one class, and the cause a file or archive exception carries.
#pragma once
#include "afx.h"
#include <functional>

// What CauseOf answers when there is no cause to tell.
const int kNothingThrown = -1;
const int kOtherException = -2;

enum class Thrown { nothing, expected, other };

// Runs f; an exception of class E that it throws is handed to inspect.
// Every exception caught is deleted, as its catcher owns it.
template <class E>
Thrown CatchThrown(const std::function<void()>& f, const std::function<void(E*)>& inspect)
{
    try
    {
        f();
    }
    catch (E* e)
    {
        if (inspect)
            inspect(e);
        e->Delete();
        return Thrown::expected;
    }
    catch (CException* e)
    {
        e->Delete();
        return Thrown::other;
    }
    return Thrown::nothing;
}

// True when f throws an E, which inspect may look at before it goes.
template <class E>
bool Throws(const std::function<void()>& f, const std::function<void(E*)>& inspect = nullptr)
{
    return CatchThrown<E>(f, inspect) == Thrown::expected;
}

// The cause (m_cause) of the E that f throws.
template <class E>
int CauseOf(const std::function<void()>& f)
{
    int cause = kNothingThrown;
    switch (CatchThrown<E>(f, [&](E* e) { cause = e->m_cause; }))
    {
    case Thrown::expected:
        return cause;
    case Thrown::other:
        return kOtherException;
    default:
        return kNothingThrown;
    }
}
