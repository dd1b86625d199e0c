#include "print_command.h"

#include "grid.h"
#include "printer_qt.h"

#include <QApplication>
#include <QDialog>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Rejects the first modal window that opens, as a user pressing Cancel.
void cancelNextModalWindow(bool& cancelled)
{
    QTimer::singleShot(20, [&cancelled] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            cancelled = true;
            dialog->reject();
        } else {
            cancelNextModalWindow(cancelled);
        }
    });
}

class SystemPrinter : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetEngineState();
        grid[0][0].value.store("7");
        ASSERT_TRUE(dir.isValid());
    }
    void TearDown() override { resetEngineState(); }

    QTemporaryDir dir;
};

TEST_F(SystemPrinter, CancellingThePrintDialogPrintsNothing)
{
    QtPrinter printer;
    const QString pdf = dir.filePath("cancelled.pdf");
    printer.device().setOutputFormat(QPrinter::PdfFormat);
    printer.device().setOutputFileName(pdf);
    bool cancelled = false;
    cancelNextModalWindow(cancelled);

    printCommand(printer);

    EXPECT_TRUE(cancelled);
    EXPECT_FALSE(QFileInfo::exists(pdf));
}

// The job's file cannot be created, so the document never starts.
class UnwritablePdfPrinter : public QtPrinter {
public:
    explicit UnwritablePdfPrinter(const QString& file)
    {
        device().setOutputFormat(QPrinter::PdfFormat);
        device().setOutputFileName(file);
    }
    bool showDialog() override { return true; }
};

TEST_F(SystemPrinter, DocumentThatCannotStartEndsQuietly)
{
    const QString pdf = dir.filePath("missing-folder/grid.pdf");
    UnwritablePdfPrinter printer(pdf);

    printCommand(printer);

    EXPECT_FALSE(QFileInfo::exists(pdf));
    // The printer is still usable for the next job.
    printer.device().setOutputFileName(dir.filePath("grid.pdf"));
    printCommand(printer);
    EXPECT_GT(QFileInfo(dir.filePath("grid.pdf")).size(), 0);
}

}  // namespace
