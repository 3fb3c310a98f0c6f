#include "ui/single_instance.h"

#include <QSignalSpy>
#include <QUuid>
#include <gtest/gtest.h>

using namespace zel;

TEST(SingleInstance, ASecondCopyFindsTheFirstAndTheFirstIsTold)
{
    const QString key = QStringLiteral("zel-test-") + QUuid::createUuid().toString(QUuid::Id128);
    auto first = std::make_unique<SingleInstance>(key);
    SingleInstance second(key);
    EXPECT_FALSE(second.anotherRuns());
    ASSERT_TRUE(first->claim());
    QSignalSpy told(first.get(), &SingleInstance::anotherStarted);
    EXPECT_TRUE(second.anotherRuns());
    EXPECT_TRUE(told.wait(2000));
    // When the first copy has gone, the next one may start.
    first.reset();
    EXPECT_FALSE(second.anotherRuns());
    EXPECT_TRUE(second.claim());
}
