#include "mosaic/BatchRendering.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kolvira {
namespace {

using Kind = OutputDecision::Kind;

// A batch's plan, without writing anything: a second photo of the same name
// loses to the first, an output that is a protected photo is refused, and an
// existing drawing is marked for the caller to ask about.
TEST(DrawingPlanTest, SettlesEveryOutputBeforeAnythingIsWritten) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString out = dir.filePath("out");
    ASSERT_TRUE(QDir().mkpath(out) && QDir().mkpath(dir.filePath("b")));
    QFile existing(out + "/kept drawn.png");
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    // A photo that sits where a drawing would go.
    const QString trap = out + "/trap drawn.png";
    ProtectedFiles protectedFiles;
    protectedFiles.Add(QFile::encodeName(trap), trap);

    struct Case {
        const char* photo;
        Kind kind;
        bool exists;
        QString detail;
    };
    const Case cases[] = {
        {"a/one.jpg", Kind::Write, false, {}},
        {"b/one.png", Kind::AlreadyTaken, false, dir.filePath("a/one.jpg")},
        {"a/kept.jpg", Kind::Write, true, {}},
        {"a/trap.jpg", Kind::Protected, false, {}},
    };
    std::vector<std::string> photos;
    for (const Case& c : cases)
        photos.push_back(QFile::encodeName(dir.filePath(c.photo)).toStdString());
    const std::vector<PlannedDrawing> plan =
        PlanDrawings(photos, out, "png", " drawn", protectedFiles);
    ASSERT_EQ(plan.size(), std::size(cases));
    for (std::size_t k = 0; k < plan.size(); ++k) {
        SCOPED_TRACE(cases[k].photo);
        EXPECT_EQ(plan[k].photo, dir.filePath(cases[k].photo));
        EXPECT_EQ(plan[k].decision.kind, cases[k].kind);
        EXPECT_EQ(plan[k].decision.exists, cases[k].exists);
        if (cases[k].kind == Kind::AlreadyTaken) {
            EXPECT_EQ(plan[k].decision.detail, cases[k].detail);
        }
        if (cases[k].kind == Kind::Protected) {
            EXPECT_FALSE(plan[k].decision.detail.isEmpty());
        }
    }
    EXPECT_EQ(plan[0].output, out + "/one drawn.png");
}

} // namespace
} // namespace kolvira
