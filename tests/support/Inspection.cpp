#include "support/Inspection.h"

#include "documents/FileItemList.h"

#include <QTest>

namespace Inspection {
    bool waitFor(const FileItemList& list)
    {
        return QTest::qWaitFor([&list]() { return list.checkingCount() == 0; }, 10000);
    }
} // namespace Inspection
