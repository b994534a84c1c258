#include "platform/grund.h"

#include <cerrno>
#include <gtest/gtest.h>

namespace wyk {
namespace {

// Each reason a user can meet has a phrase of its own; only other numbers get the general
// text, which names the number.
TEST(GrundText, GivesEveryCommonReasonItsOwnPhrase) {
    const int gruende[] = {ENOENT,  EACCES,       EPERM,  EROFS,   ENOSPC, EDQUOT,
                           EFBIG,   ENAMETOOLONG, EISDIR, ENOTDIR, ELOOP,  EMLINK,
                           ETXTBSY, EBUSY,        EIO,    EMFILE,  ENFILE};
    for (const int grund : gruende) {
        EXPECT_FALSE(grundText(grund).contains(QString::number(grund))) << grund;
    }
    EXPECT_TRUE(grundText(EHWPOISON).contains(QString::number(EHWPOISON)));
    EXPECT_NE(grundText(ENOSPC), grundText(EDQUOT));
}

} // namespace
} // namespace wyk
