#pragma once

// Progress and problem lines of the compression path start with the source file, the qualified
// function and the line, so that a log reader can find the code that wrote them:
//   qWarning() << LOG_SITE("src/GSCompressor", "GSCompressor::compress") << "text" << value;
#define LOG_SITE(sourceFile, function) sourceFile << function << __LINE__
