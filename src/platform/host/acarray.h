// AcArray<T>: the host's ordered list of values (integers, doubles, booleans,
// object ids, pointers, records). Indexes count from 0.
//
// Storage is one contiguous block. It grows by at least the grow length and
// at least doubles, so that appending stays linear on long lists. Unlike
// std::vector<bool>, an AcArray<bool> hands out real bool references.
//
// Out-of-range element access is a programming error: it is checked with
// assert() in debug builds. Operations that take an index from outside
// (insertAt, removeAt, swap, ...) refuse a bad index and return false or -1
// instead of touching memory.
#pragma once

#include <algorithm>
#include <cassert>
#include <cstddef>
#include <initializer_list>
#include <memory>
#include <utility>

template <class T> class AcArray {
public:
    explicit AcArray(int physicalLength = 0, int growLength = 8)
        : grow_(growLength > 0 ? growLength : 8) {
        if (physicalLength > 0) reserve(physicalLength);
    }
    AcArray(std::initializer_list<T> init) : grow_(8) {
        reserve(static_cast<int>(init.size()));
        for (const T& v : init) append(v);
    }
    AcArray(const AcArray& other) : grow_(other.grow_) { *this = other; }
    AcArray(AcArray&& other) noexcept { swapContents(other); }
    AcArray& operator=(const AcArray& other) {
        if (this == &other) return *this;
        std::unique_ptr<T[]> fresh;
        if (other.len_ > 0) {
            fresh.reset(new T[other.len_]);
            std::copy(other.data_.get(), other.data_.get() + other.len_, fresh.get());
        }
        data_ = std::move(fresh);
        len_ = cap_ = other.len_;
        grow_ = other.grow_;
        return *this;
    }
    AcArray& operator=(AcArray&& other) noexcept {
        if (this != &other) {
            AcArray tmp(std::move(other));
            swapContents(tmp);
        }
        return *this;
    }
    virtual ~AcArray() = default;

    // --- sizes
    int length() const { return len_; }
    int logicalLength() const { return len_; }
    int physicalLength() const { return cap_; }
    int growLength() const { return grow_; }
    bool isEmpty() const { return len_ == 0; }
    AcArray& setGrowLength(int n) {
        if (n > 0) grow_ = n;
        return *this;
    }
    // Grows with default values or cuts the list to n entries (n < 0 is 0).
    AcArray& setLogicalLength(int n) {
        if (n < 0) n = 0;
        if (n > cap_) reserve(n);
        for (int i = len_; i < n; ++i) data_[i] = T();
        len_ = n;
        return *this;
    }
    AcArray& setPhysicalLength(int n) {
        if (n > cap_) reserve(n);
        return *this;
    }

    // --- access
    T& operator[](int i) {
        assert(i >= 0 && i < len_);
        return data_[i];
    }
    const T& operator[](int i) const {
        assert(i >= 0 && i < len_);
        return data_[i];
    }
    T& at(int i) { return (*this)[i]; }
    const T& at(int i) const { return (*this)[i]; }
    T& first() { return (*this)[0]; }
    const T& first() const { return (*this)[0]; }
    T& last() { return (*this)[len_ - 1]; }
    const T& last() const { return (*this)[len_ - 1]; }
    T* asArrayPtr() { return data_.get(); }
    const T* asArrayPtr() const { return data_.get(); }
    T* begin() { return data_.get(); }
    T* end() { return data_.get() + len_; }
    const T* begin() const { return data_.get(); }
    const T* end() const { return data_.get() + len_; }

    // --- changes
    // Appends and returns the new entry's index.
    int append(const T& value) {
        if (len_ == cap_) {
            // value may live inside this array: copy it before growing.
            T copy = value;
            reserve(nextCapacity());
            data_[len_] = std::move(copy);
        } else {
            data_[len_] = value;
        }
        return len_++;
    }
    AcArray& append(const AcArray& other) {
        if (&other == this) {
            AcArray copy(other);
            return append(copy);
        }
        reserve(len_ + other.len_);
        for (int i = 0; i < other.len_; ++i) data_[len_ + i] = other.data_[i];
        len_ += other.len_;
        return *this;
    }
    // Inserts before index (index == length appends). False for a bad index.
    bool insertAt(int index, const T& value) {
        if (index < 0 || index > len_) return false;
        T copy = value;
        if (len_ == cap_) reserve(nextCapacity());
        for (int i = len_; i > index; --i) data_[i] = std::move(data_[i - 1]);
        data_[index] = std::move(copy);
        ++len_;
        return true;
    }
    bool removeAt(int index) {
        if (index < 0 || index >= len_) return false;
        for (int i = index; i + 1 < len_; ++i) data_[i] = std::move(data_[i + 1]);
        --len_;
        data_[len_] = T();
        return true;
    }
    // Removes the entries from start to end, both included.
    bool removeSubArray(int start, int end) {
        if (start < 0 || end >= len_ || start > end) return false;
        const int n = end - start + 1;
        for (int i = start; i + n < len_; ++i) data_[i] = std::move(data_[i + n]);
        for (int i = len_ - n; i < len_; ++i) data_[i] = T();
        len_ -= n;
        return true;
    }
    bool removeFirst() { return removeAt(0); }
    bool removeLast() { return removeAt(len_ - 1); }
    // Removes the first entry equal to value; false when there is none.
    bool remove(const T& value, int start = 0) {
        int index = -1;
        return find(value, index, start) && removeAt(index);
    }
    AcArray& removeAll() {
        for (int i = 0; i < len_; ++i) data_[i] = T();
        len_ = 0;
        return *this;
    }
    AcArray& setAll(const T& value) {
        for (int i = 0; i < len_; ++i) data_[i] = value;
        return *this;
    }
    bool swap(int i, int j) {
        if (i < 0 || j < 0 || i >= len_ || j >= len_) return false;
        std::swap(data_[i], data_[j]);
        return true;
    }
    AcArray& reverse() {
        std::reverse(begin(), end());
        return *this;
    }

    // --- search (operator== of T)
    bool find(const T& value, int& index, int start = 0) const {
        for (int i = std::max(start, 0); i < len_; ++i) {
            if (data_[i] == value) {
                index = i;
                return true;
            }
        }
        return false;
    }
    int find(const T& value) const {
        int index = -1;
        find(value, index, 0);
        return index;
    }
    bool contains(const T& value, int start = 0) const {
        int index = -1;
        return find(value, index, start);
    }

    bool operator==(const AcArray& other) const {
        return len_ == other.len_ && std::equal(begin(), end(), other.begin());
    }

private:
    int nextCapacity() const { return std::max(cap_ + grow_, cap_ * 2); }
    void reserve(int n) {
        if (n <= cap_) return;
        std::unique_ptr<T[]> fresh(new T[n]);
        for (int i = 0; i < len_; ++i) fresh[i] = std::move(data_[i]);
        data_ = std::move(fresh);
        cap_ = n;
    }
    void swapContents(AcArray& other) noexcept {
        std::swap(data_, other.data_);
        std::swap(len_, other.len_);
        std::swap(cap_, other.cap_);
        std::swap(grow_, other.grow_);
    }

    std::unique_ptr<T[]> data_;
    int len_ = 0;
    int cap_ = 0;
    int grow_ = 8;
};
