#include "engine/file_failure.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvenda {
namespace {

// Every sentence a failure is told in, by where it is shown.
TEST(FileFailure, EachWordingFramesTheReason)
{
    const std::string p = "/д/a.evt";
    struct Case {
        FileFailure failure;
        FailureWording wording;
        std::string text;
    };
    const std::vector<Case> cases = {
        {{FileFailureCode::ReadOnly, p, {}}, FailureWording::Command, "Файл только для чтения: " + p},
        {{FileFailureCode::ReadOnly, p, {}},
         FailureWording::NotSaved,
         "Файл " + p + " не сохранён: файл только для чтения"},
        {{FileFailureCode::ReadOnly, p, {}},
         FailureWording::SaveFailed,
         "Не удалось сохранить файл: " + p + "\nфайл только для чтения"},
        {{FileFailureCode::Unencodable, p, "中ü"},
         FailureWording::Command,
         "Файл " + p + " не сохранён: этих знаков нет в кодировке Windows-1251: 中ü"},
        {{FileFailureCode::Unencodable, p, "中"},
         FailureWording::NotSaved,
         "Файл " + p + " не сохранён: этих знаков нет в кодировке Windows-1251: 中"},
        {{FileFailureCode::Unencodable, p, "中"},
         FailureWording::SaveFailedLine,
         "Не удалось сохранить файл: " + p + " (этих знаков нет в кодировке Windows-1251: 中)"},
        {{FileFailureCode::CannotWrite, p, "No space left on device"},
         FailureWording::Command,
         "Файл " + p + " не сохранён: No space left on device"},
        {{FileFailureCode::Busy, p, {}}, FailureWording::Command, "Файл занят другой программой: " + p},
        {{FileFailureCode::Busy, p, {}},
         FailureWording::SaveFailedLine,
         "Не удалось сохранить файл: " + p + " (Файл занят другой программой: " + p + ")"},
        {{FileFailureCode::Unavailable, p, "Permission denied"},
         FailureWording::Command,
         "Файл " + p + " недоступен: Permission denied"},
        {{FileFailureCode::ChangedElsewhere, p, "событие номер 2 теперь \"x\""},
         FailureWording::Command,
         "Файл " + p +
             " изменился после того, как был прочитан: событие номер 2 теперь \"x\". Файл не изменён; "
             "обновите список и повторите команду."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FailureText(c.failure, c.wording), c.text);
    }
}

TEST(FileFailure, SaveAndReadResultsGiveTheirKind)
{
    SaveResult readOnly;
    readOnly.status = SaveResult::ReadOnly;
    SaveResult unencodable;
    unencodable.status = SaveResult::Unencodable;
    unencodable.unmappable = "中";
    SaveResult failed;
    failed.status = SaveResult::WriteFailed;
    failed.error = "Input/output error";
    EXPECT_EQ(FailureOf(readOnly, "a").code, FileFailureCode::ReadOnly);
    EXPECT_EQ(FailureOf(unencodable, "a").detail, "中");
    EXPECT_EQ(FailureReason(FailureOf(failed, "a")), "Input/output error");

    EXPECT_EQ(FailureReason(FailureOf(ReadFailure::NotRegular, "a")), "это не обычный файл");
    EXPECT_EQ(FailureReason(FailureOf(ReadFailure::TooLarge, "a")), "он больше 256 МБ");
    EXPECT_EQ(FailureReason(FailureOf(ReadFailure::ReadError, "a")), "ошибка чтения");
    EXPECT_EQ(FailureOf(ReadFailure::CannotOpen, "a").code, FileFailureCode::NotFound);
}

} // namespace
} // namespace orvenda
