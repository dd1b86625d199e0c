#include "print_command.h"

#include "grid.h"
#include "print_fixtures.h"
#include "printer_qt.h"

#include <QApplication>
#include <QDialog>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Answers the first modal dialog that opens, as a user pressing Print or
// Cancel.
void answerNextDialog(bool accept, bool& answered)
{
    QTimer::singleShot(20, [accept, &answered] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            answered = true;
            accept ? dialog->accept() : dialog->reject();
        } else {
            answerNextDialog(accept, answered);
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
    bool answered = false;
    answerNextDialog(false, answered);

    printCommand(printer);

    EXPECT_TRUE(answered);
    EXPECT_FALSE(QFileInfo::exists(pdf));
}

TEST_F(SystemPrinter, PrintingToAFileUsesThreeHundredDotsPerInch)
{
    QtPrinter printer;
    const QString pdf = dir.filePath("printed.pdf");
    printer.device().setOutputFormat(QPrinter::PdfFormat);
    printer.device().setOutputFileName(pdf);
    ASSERT_NE(printer.device().resolution(), 300);
    bool answered = false;
    answerNextDialog(true, answered);

    printCommand(printer);

    EXPECT_TRUE(answered);
    EXPECT_EQ(printer.device().resolution(), 300);
    EXPECT_GT(QFileInfo(pdf).size(), 0);
}

TEST_F(SystemPrinter, DocumentThatCannotStartEndsQuietly)
{
    const QString pdf = dir.filePath("missing-folder/grid.pdf");
    // The job's file cannot be created, so the document never starts.
    PdfPrinter printer(pdf);

    printCommand(printer);

    EXPECT_FALSE(QFileInfo::exists(pdf));
    // The printer is still usable for the next job.
    printer.device().setOutputFileName(dir.filePath("grid.pdf"));
    printCommand(printer);
    EXPECT_GT(QFileInfo(dir.filePath("grid.pdf")).size(), 0);
}

}  // namespace
