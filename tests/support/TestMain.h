#pragma once

#include <QObject>

#include <functional>

// Registers a Qt Test class with the area's test executable, which runs every registered class.
// Run one class alone by naming it as the first argument: test_store TestTeams -v2
int RegisterTestClass(const char* name, std::function<QObject*()> make);

#define SIDELINES_TEST(Class) \
    static const int sidelines_registered_##Class = RegisterTestClass(#Class, [] { return new Class; });
