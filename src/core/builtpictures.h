#pragma once
#include <QDir>
#include <QImage>
#include <QString>
#include <functional>

// Pictures the build painted (each with a paint tool beside its window, made by the CMake function
// taudrin_built_pictures) and stored, as raw 32-bit pixels row after row, uncompressed in the
// program's resources: the picture reads the bytes in place. Null when the resource is missing or
// holds another size, so that the caller draws the picture itself.
QImage builtPicture(const QString& resource, QSize size, QImage::Format format);

// The built picture, or where the resource is missing or of another size, the picture drawn.
QImage builtPictureOr(const QString& resource, QSize size, QImage::Format format,
                      const std::function<QImage()>& draw);

// Writes a 32-bit picture as builtPicture reads it; false if it could not be written whole.
bool writeBuiltPicture(const QImage& picture, const QString& path);

// The body of a build tool that paints pictures into the folder its one argument names, with the
// fonts the program paints with: makes the folder, then paint(folder). The tool's exit code.
int runPaintTool(int argc, char* argv[], const std::function<bool(const QDir&)>& paint);
