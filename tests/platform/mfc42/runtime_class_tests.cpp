// Run-time class information: type tests, dynamic creation, the registry.
#include "tests/support/zt_gtest.h"
#include "afx.h"

namespace {

class CShape : public CObject
{
    DECLARE_DYNAMIC(CShape)
};
IMPLEMENT_DYNAMIC(CShape, CObject)

class CCircle : public CShape
{
    DECLARE_DYNCREATE(CCircle)
public:
    int radius = 7;
};
IMPLEMENT_DYNCREATE(CCircle, CShape)

class CSquare : public CShape
{
    DECLARE_DYNCREATE(CSquare)
};
IMPLEMENT_DYNCREATE(CSquare, CShape)

}  // namespace

TEST(RuntimeClass, IsKindOfFollowsTheBaseChain)
{
    CCircle circle;
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CCircle)));
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CShape)));
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(circle.IsKindOf(RUNTIME_CLASS(CSquare)));
    EXPECT_STREQ(circle.GetRuntimeClass()->m_lpszClassName, "CCircle");
}

TEST(RuntimeClass, CreatesOnlyDynamicClasses)
{
    CObject* made = RUNTIME_CLASS(CCircle)->CreateObject();
    ASSERT_NE(made, nullptr);
    EXPECT_TRUE(made->IsKindOf(RUNTIME_CLASS(CCircle)));
    EXPECT_EQ(static_cast<CCircle*>(made)->radius, 7);
    delete made;
    EXPECT_EQ(RUNTIME_CLASS(CShape)->CreateObject(), nullptr);
}

TEST(RuntimeClass, RegistryFindsCreatableClassesByName)
{
    EXPECT_EQ(CRuntimeClass::FromName("CCircle"), RUNTIME_CLASS(CCircle));
    EXPECT_EQ(CRuntimeClass::FromName("CSquare"), RUNTIME_CLASS(CSquare));
    EXPECT_EQ(CRuntimeClass::FromName("CShape"), nullptr);   // not creatable, not listed
    EXPECT_EQ(CRuntimeClass::FromName(nullptr), nullptr);
    EXPECT_FALSE(CCircle().IsSerializable());
}
