#include "print_command.h"

#include "dialog_answerer.h"
#include "grid.h"
#include "print_fixtures.h"
#include "printer_qt.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

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
    const DialogAnswerer user(false);

    printCommand(printer);

    EXPECT_TRUE(user.answered());
    EXPECT_FALSE(QFileInfo::exists(pdf));
}

TEST_F(SystemPrinter, PrintingToAFileUsesThreeHundredDotsPerInch)
{
    QtPrinter printer;
    const QString pdf = dir.filePath("printed.pdf");
    printer.device().setOutputFormat(QPrinter::PdfFormat);
    printer.device().setOutputFileName(pdf);
    ASSERT_NE(printer.device().resolution(), 300);
    const DialogAnswerer user(true);

    printCommand(printer);

    EXPECT_TRUE(user.answered());
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
