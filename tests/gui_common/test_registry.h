#pragma once
// The registry of the QtTest classes of a test program, its runner, and a file helper of the tests.
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>

namespace guitest {

using TestFactory = std::function<QObject*()>;
// Registers a class under its name (from a static initialiser: see the program's registration macro).
int RegisterTest(const char* name, TestFactory factory);

// Runs the registered classes in the order of their names, afterEach after each one. "-only Name" runs that
// class alone; the other arguments go to QtTest. Returns the number of classes that failed, each also named
// on stderr.
int RunRegisteredTests(QStringList args, const std::function<void()>& afterEach = {});

// Writes text to dir/name; returns the path, "" when the file cannot be written.
std::string WriteFile(const QString& dir, const QString& name, const std::string& text);

}  // namespace guitest
