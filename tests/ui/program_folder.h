#pragma once
// The real program in a program folder of its own, started as the checks that
// run it start it: offscreen and unattended, its messages on standard error.

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>

#include <gtest/gtest.h>

#include <filesystem>

namespace quor::testing {

// The built program with its palettes and the about box's data; the
// configuration and the settings file are the test's to write.
inline void copy_program_into(const std::filesystem::path& folder) {
    namespace fs = std::filesystem;
    const fs::path built = QUOR_BIN_DIR;
    ASSERT_TRUE(fs::exists(built / "quorrings"));
    fs::copy_file(built / "quorrings", folder / "quorrings");
    fs::copy(built / "palette", folder / "palette", fs::copy_options::recursive);
    fs::copy_file(built / "Quor_Rings_32_Binary.bin", folder / "Quor_Rings_32_Binary.bin");
}

inline void start_unattended(QProcess& program, const std::filesystem::path& folder) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("QUORRINGS_UNATTENDED", "1");
    // A program folder, even one whose palette folder has gone.
    environment.insert("QUORRINGS_HOME", QString::fromStdString(folder.string()));
    program.setProcessEnvironment(environment);
    program.start(QString::fromStdString((folder / "quorrings").string()), {});
}

}  // namespace quor::testing
