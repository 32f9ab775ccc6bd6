#pragma once

// A fresh program folder per test: VELMORA_HOME points at a temporary folder.

#include <QString>
#include <QTemporaryDir>

namespace velmora::test {

class TestHome
{
public:
    TestHome();
    ~TestHome();
    TestHome(const TestHome &) = delete;
    TestHome &operator=(const TestHome &) = delete;

    [[nodiscard]] bool isValid() const { return dir_.isValid(); }
    [[nodiscard]] QString path() const { return dir_.path(); }
    [[nodiscard]] QString filePath(const QString &relative) const { return dir_.filePath(relative); }

    // Creates the folders tutor and temp.
    void makeFolders() const;
    // The folders and, as empty files, the databases the start screen checks for.
    [[nodiscard]] bool makeRequiredData() const;
    // Creates a keyed, empty catalog or deck database with all its tables.
    [[nodiscard]] bool createCatalog(const QString &relative = QStringLiteral("update.vdk")) const;
    [[nodiscard]] bool createDeck(const QString &relative) const;

private:
    QTemporaryDir dir_;
    QByteArray previousHome_;
};

} // namespace velmora::test
