#pragma once

#include <QTemporaryDir>

/**
 * A temporary folder that can hold files whose names are no valid text. QTemporaryDir removes its
 * tree through QString names, which cannot carry such bytes, so it would leave the folder behind;
 * this one removes the tree by the bytes the file system gives, and QTemporaryDir then finds nothing.
 */
class ByteSafeTemporaryDir final : public QTemporaryDir
{
public:
    ByteSafeTemporaryDir() = default;
    ~ByteSafeTemporaryDir();
    ByteSafeTemporaryDir(const ByteSafeTemporaryDir&) = delete;
    ByteSafeTemporaryDir& operator=(const ByteSafeTemporaryDir&) = delete;
};
