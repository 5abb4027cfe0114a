// SPDX-License-Identifier: AGPL-3.0-or-later
// An atlas whose searches wait for the test, built into a module that stands
// in for the real one: each search records its text and the thread that ran
// it, then answers only once the test releases it or it is cancelled. So a
// test can look at the program while a search is under way, for as long as it
// likes, without a clock.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "atlas/atlas_service.h"

namespace kelvra::testing {

class HeldAtlas final : public AtlasService {
 public:
  /// What became of one search.
  struct Record {
    bool started = false;  ///< Run was called
    std::string text;
    std::thread::id thread;
    bool cancelled = false;
    bool released = false;
    bool gaveUp = false;  ///< neither released nor cancelled in time
  };

  static constexpr char kName[] = "held atlas";

  /// A search held longer than this is answered anyway, so that a fault shows
  /// as a failed check instead of a hung test.
  static constexpr std::chrono::seconds kGiveUp{60};

  /// A search whose Run is called on `thread` answers at once: holding it
  /// there would hold the very thread the test needs.
  void SetGuiThread(std::thread::id thread) {
    const std::lock_guard lock(mutex_);
    gui_ = thread;
  }

  /// Forgets every search, for the next test; their threads must be done.
  void Reset() {
    const std::lock_guard lock(mutex_);
    searches_.clear();
    releaseAll_ = false;
  }

  /// Searches whose Run has been called, in that order.
  std::vector<Record> Started() const {
    const std::lock_guard lock(mutex_);
    std::vector<Record> started;
    for (const auto& search : searches_) {
      if (search->started) started.push_back(*search);
    }
    return started;
  }

  /// Lets the `index`th started search answer.
  void Release(std::size_t index) {
    {
      const std::lock_guard lock(mutex_);
      std::size_t seen = 0;
      for (const auto& search : searches_) {
        if (search->started && seen++ == index) search->released = true;
      }
    }
    changed_.notify_all();
  }

  /// Lets every search answer, now and from now on.
  void ReleaseAll() {
    {
      const std::lock_guard lock(mutex_);
      releaseAll_ = true;
    }
    changed_.notify_all();
  }

  /// The answer to `text`: two places named after it, so that a test can
  /// tell which search an answer belongs to.
  static std::vector<AtlasPlace> AnswerTo(const std::string& text) {
    std::vector<AtlasPlace> places(2);
    for (std::size_t i = 0; i < places.size(); ++i) {
      places[i].city = text + " " + std::to_string(i + 1);
      places[i].state = "State";
      places[i].country = "Country";
      places[i].countryCode = "CC";
      places[i].timeZone = "Europe/Oslo";
      places[i].population = 1000;
    }
    return places;
  }

  std::unique_ptr<PlaceSearch> NewSearch() override {
    const std::lock_guard lock(mutex_);
    searches_.push_back(std::make_shared<Record>());
    return std::make_unique<Search>(*this, searches_.back());
  }
  AtlasFindResult Find(std::string_view, std::string_view, std::string_view) const override { return {}; }
  AtlasNearest Nearest(double, double) const override { return {}; }
  /// Names the held atlas, so that a test can tell it from the real one.
  const std::vector<std::string>& TimeZones() const override { return zones_; }

 private:
  class Search final : public PlaceSearch {
   public:
    Search(HeldAtlas& atlas, std::shared_ptr<Record> record) : atlas_(atlas), record_(std::move(record)) {}

    // Even a cancelled search answers: a real one may finish just as it is
    // cancelled, and the program must drop that answer itself.
    std::vector<AtlasPlace> Run(const std::string& text, std::size_t) override {
      std::unique_lock lock(atlas_.mutex_);
      record_->started = true;
      record_->text = text;
      record_->thread = std::this_thread::get_id();
      atlas_.changed_.notify_all();
      if (record_->thread != atlas_.gui_) {
        record_->gaveUp = !atlas_.changed_.wait_for(lock, kGiveUp, [this] {
          return record_->released || record_->cancelled || atlas_.releaseAll_;
        });
      }
      return AnswerTo(text);
    }

    void Cancel() override {
      {
        const std::lock_guard lock(atlas_.mutex_);
        record_->cancelled = true;
      }
      atlas_.changed_.notify_all();
    }

   private:
    HeldAtlas& atlas_;
    std::shared_ptr<Record> record_;
  };

  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<std::shared_ptr<Record>> searches_;
  std::thread::id gui_;
  bool releaseAll_ = false;
  std::vector<std::string> zones_{kName};
};

}  // namespace kelvra::testing
