#pragma once

#include <QtGlobal>

/** Which copy of a document went out of a compression. */
enum class Delivery
{
    None, // nothing was delivered
    Rewritten, // the interpreter's rewrite as it came out
    RewrittenAndRepacked, // the rewrite after a lossless repack
    SourceRepacked, // the source after a lossless repack
    SourceUnchanged, // the source byte for byte
};

/** One copy that a compression weighed before it chose, with its size in bytes. */
struct WeighedCopy
{
    Delivery delivery = Delivery::None;
    qint64 size = 0;
};
