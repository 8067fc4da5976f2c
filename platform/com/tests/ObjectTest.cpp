#include "platform/com/ClassFactory.h"
#include "platform/com/Object.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

using namespace platform::com;

class IShape : public IUnknown {
public:
    static constexpr IID iid = makeGuid("{0B1D6A10-0000-4000-8000-000000000001}");
    using Base = IUnknown;
    virtual int corners() = 0;

protected:
    ~IShape() = default;
};

class ISquare : public IShape {
public:
    static constexpr IID iid = makeGuid("{0B1D6A10-0000-4000-8000-000000000002}");
    using Base = IShape;
    virtual int side() = 0;

protected:
    ~ISquare() = default;
};

class IColoured : public IUnknown {
public:
    static constexpr IID iid = makeGuid("{0B1D6A10-0000-4000-8000-000000000003}");
    using Base = IUnknown;
    virtual int colour() = 0;

protected:
    ~IColoured() = default;
};

class Square : public Object<ISquare, IColoured> {
public:
    explicit Square(bool* destroyed = nullptr) : m_destroyed(destroyed) {}
    ~Square() override
    {
        if (m_destroyed) *m_destroyed = true;
    }
    int corners() override { return 4; }
    int side() override { return 3; }
    int colour() override { return 7; }

private:
    bool* m_destroyed;
};

TEST(Object, QueryInterfaceFindsListedInterfacesTheirBasesAndOneIdentity)
{
    const ComPtr<ISquare> square = make<Square>();
    EXPECT_EQ(square.as<IShape>()->corners(), 4);
    EXPECT_EQ(square.as<IColoured>()->colour(), 7);
    EXPECT_EQ(square.as<IColoured>().as<ISquare>()->side(), 3);
    EXPECT_EQ(square.as<IUnknown>(), square.as<IColoured>().as<IUnknown>());

    void* object = &object;
    EXPECT_EQ(square->QueryInterface(makeGuid("{0B1D6A10-0000-4000-8000-0000000000FF}"), &object), E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(square->QueryInterface(IShape::iid, nullptr), E_POINTER);
}

TEST(Object, TheLastReleaseDestroysTheObject)
{
    bool destroyed = false;
    ComPtr<ISquare> square = make<Square>(&destroyed);
    ComPtr<IColoured> coloured = square.as<IColoured>();
    square.reset();
    EXPECT_FALSE(destroyed);
    EXPECT_EQ(coloured->AddRef(), 2u);
    EXPECT_EQ(coloured->Release(), 1u);
    coloured.reset();
    EXPECT_TRUE(destroyed);
}

TEST(Object, ReferencesTakenOnManyThreadsDestroyTheObjectOnce)
{
    bool destroyed = false;
    ComPtr<ISquare> square = make<Square>(&destroyed);
    std::vector<std::thread> threads;
    for (int t = 0; t < 8; ++t)
        threads.emplace_back([raw = square.get()] {
            for (int i = 0; i < 10000; ++i) ComPtr<IColoured> held = ComPtr<ISquare>(raw).as<IColoured>();
        });
    for (std::thread& thread : threads) thread.join();
    EXPECT_FALSE(destroyed);
    EXPECT_EQ(square->AddRef(), 2u);
    square->Release();
    square.reset();
    EXPECT_TRUE(destroyed);
}

class Failing : public Object<IShape> {
public:
    static inline bool destroyed = false;
    ~Failing() override { destroyed = true; }
    int corners() override { return 0; }
    HRESULT finalConstruct() { return E_ACCESSDENIED; }
};

TEST(ClassFactory, CreatesThroughTheClassAndPassesOnAFailedFinalConstruct)
{
    ComPtr<IClassFactory> factory = make<ClassFactory>(createObject<Square>);
    ComPtr<IColoured> coloured;
    ASSERT_EQ(factory->CreateInstance(nullptr, IColoured::iid, coloured.putVoid()), S_OK);
    EXPECT_EQ(coloured->colour(), 7);

    void* object = &object;
    EXPECT_EQ(factory->CreateInstance(coloured.get(), IColoured::iid, &object), CLASS_E_NOAGGREGATION);
    EXPECT_EQ(object, nullptr);

    factory = make<ClassFactory>(createObject<Failing>);
    EXPECT_EQ(factory->CreateInstance(nullptr, IShape::iid, &object), E_ACCESSDENIED);
    EXPECT_EQ(object, nullptr);
    EXPECT_TRUE(Failing::destroyed);
}

}  // namespace
