#pragma once

#include <functional>
#include <new>

#include "model/UserMessage.h"

inline const QString kOutOfMemoryText = QStringLiteral("Out of Memory");

// Runs one add to a record list. When memory runs out it reports "Out of Memory" and
// returns false; the add itself must leave its list as it was when it throws.
class OutOfMemoryGuard
{
public:
    MessageSink report;
    std::function<void()> probe; // tests make this throw std::bad_alloc to simulate exhaustion

    template <typename Add>
    bool Run(Add&& add) const
    {
        try {
            if (probe)
                probe();
            add();
            return true;
        } catch (const std::bad_alloc&) {
            if (report)
                report({kOutOfMemoryText, MessageIcon::Critical, {}});
            return false;
        }
    }
};
