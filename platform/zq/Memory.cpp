// GMP (and through it MPFR) and FLINT allocate through the functions below.
// They never abort: a block that cannot be had, or that would take the
// component past its budget, raises zqOutOfMemoryException, which unwinds
// through the C frames of the libraries (built with unwind tables).
//
// Every block carries a 16-byte header. Blocks taken inside a
// ComputationScope are linked into the scope's ring: an exception unwinding
// through C code leaks the libraries' temporaries, and the scope frees
// whatever is left in its ring when it ends. Blocks taken outside any scope
// stay unlinked and behave like plain malloc blocks.
//
// A ring is only ever changed by its own thread, so it needs no lock (the
// objects of a computation are made and destroyed on its thread). Should a
// thread without a scope of its own free a linked block, it leaves the block
// to the owning scope.
#include "zq/Memory.h"

#include <flint/flint.h>
#include <gmp.h>
#include <malloc.h>
#include <mpfr.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <limits>
#include <utility>

#include "zq/MemoryLimits.h"
#include "zq/ZqTesting.h"
#include "zq/zq.h"

namespace zq {

struct BlockHeader {
  std::atomic<BlockHeader*> prev;  // null: in no ring; never changes between null and not null
  BlockHeader* next;
};
static_assert(sizeof(BlockHeader) == 16, "the header keeps malloc's 16-byte alignment");

struct ComputationScope::State {
  BlockHeader ring{};  // sentinel of the ring of blocks taken inside the scope
  State* outer = nullptr;
  int uncaughtAtStart = 0;  // more when the scope ends by an exception
};

const char* zqOutOfMemoryException::what() const noexcept { return "not enough memory"; }

namespace {

constexpr std::int64_t kUnlimited = std::numeric_limits<std::int64_t>::max();
constexpr std::size_t kHeader = sizeof(BlockHeader);
// Held, untouched (so address space, not memory), for allocations that must
// not fail: clears during unwinding or in destructors.
constexpr std::size_t kEmergencyReserve = std::size_t{16} << 20;

std::atomic<std::int64_t> liveBytes{0};
std::atomic<std::int64_t> peakLiveBytes{0};
std::atomic<std::int64_t> scopeLimit{kUnlimited};  // set from the headroom when a scope opens
std::atomic<std::int64_t> refreshAt{kUnlimited};   // live bytes at which the headroom is read again
std::atomic_flag refreshing = ATOMIC_FLAG_INIT;
std::atomic<std::int64_t> testLimit{kUnlimited};
std::atomic<int> openScopes{0};
std::atomic<void*> emergencyReserve{nullptr};

// libzq is linked, never loaded by dlopen: the fast TLS model is safe.
__attribute__((tls_model("initial-exec"))) thread_local int noThrowDepth = 0;
__attribute__((tls_model("initial-exec"))) thread_local ComputationScope::State* innermostScope = nullptr;

std::int64_t Limit() {
  return std::min(scopeLimit.load(std::memory_order_relaxed), testLimit.load(std::memory_order_relaxed));
}

// A refused block raises only where that is safe: not in a destructor, not
// while an exception unwinds, and not for the calls whose caller records the
// new size before it allocates (FLINT's reallocs of its bookkeeping arrays,
// and a few small blocks in GMP and FLINT): those may pass the budget.
bool MayThrow() { return noThrowDepth == 0 && std::uncaught_exceptions() == 0; }

// Requests up to this size are never refused on the budget alone.
constexpr std::size_t kAlwaysGranted = 64;

enum class Refusal { OnBudget, Never };

std::int64_t LiveNow();

bool WouldExceedBudget(std::size_t extra) { return LiveNow() + static_cast<std::int64_t>(extra) > Limit(); }

void RestoreEmergencyReserve() {
  if (emergencyReserve.load(std::memory_order_relaxed)) return;
  void* fresh = std::malloc(kEmergencyReserve);
  void* expected = nullptr;
  if (fresh && !emergencyReserve.compare_exchange_strong(expected, fresh)) std::free(fresh);
}

// malloc refused a block: throw where allowed (small blocks only once the
// emergency reserve is gone), else give the reserve up for the caller's retry.
void AfterMallocRefused(Refusal refusal, std::size_t total) {
  const bool mayThrow = refusal != Refusal::Never && MayThrow();
  if (mayThrow && total > kAlwaysGranted) throw zqOutOfMemoryException();
  if (void* reserve = emergencyReserve.exchange(nullptr)) {
    std::free(reserve);
    return;
  }
  if (mayThrow) throw zqOutOfMemoryException();
  std::fputs("out of memory where the failure cannot be reported\n", stderr);
  std::abort();
}

bool RefusedOnBudget(Refusal refusal, std::size_t extra) {
  return refusal == Refusal::OnBudget && extra > kAlwaysGranted && WouldExceedBudget(extra) && MayThrow();
}

constexpr std::size_t kMaxRequest = std::numeric_limits<std::size_t>::max() / 2;

// GMP frees an integer's limbs in a few places (mpz_mul) before it allocates
// the new ones and after it has recorded their size: were that allocation
// to throw, the integer would point at freed memory. So the block GMP freed
// last is kept until the next free, and an allocation that throws keeps it
// for good (the integer still owns it; its clear, or the scope, frees it).
__attribute__((tls_model("initial-exec"))) thread_local void* pendingGmpFree = nullptr;

// A fresh GMP integer points at a static limb of GMP's; after such a failed
// allocation in mpz_mul its clear hands that limb to the free function.
const void* gmpStaticLimb = nullptr;

// The scope budget from the headroom now. Read again once the component has
// grown by half of it: the rest of the program and other processes use
// memory too. Reading takes a few system calls and no heap memory.
void SetScopeLimit(std::int64_t live) {
  const std::int64_t headroom = detail::SystemHeadroom();
  if (headroom >= kUnlimited - live) {
    scopeLimit.store(kUnlimited);
    refreshAt.store(kUnlimited);
    return;
  }
  scopeLimit.store(live + headroom);
  refreshAt.store(live + std::max(headroom / 2, std::int64_t{16} << 20));
}

void Grew(std::int64_t now) {
  if (now > peakLiveBytes.load(std::memory_order_relaxed)) peakLiveBytes.store(now, std::memory_order_relaxed);
  if (now < refreshAt.load(std::memory_order_relaxed)) return;
  if (refreshing.test_and_set()) return;  // another thread is at it
  if (openScopes.load() > 0) SetScopeLimit(now);
  refreshing.clear();
}

// Each thread counts its blocks in a number of its own and adds it to the
// shared one in steps of this size (an atomic add on every block would cost
// more than the rest of the bookkeeping together).
constexpr std::int64_t kPublishStep = 16 << 10;
__attribute__((tls_model("initial-exec"))) thread_local std::int64_t unpublishedBytes = 0;
__attribute__((tls_model("initial-exec"))) thread_local bool threadEndMade = false;

void Publish() {
  const std::int64_t bytes = std::exchange(unpublishedBytes, 0);
  if (bytes == 0) return;
  const std::int64_t now = liveBytes.fetch_add(bytes, std::memory_order_relaxed) + bytes;
  if (bytes > 0) Grew(now);
}

void FlushPendingFree();

// When a thread ends: its pending GMP block freed, its count published.
struct ThreadEnd {
  ~ThreadEnd() {
    FlushPendingFree();
    Publish();
  }
};

// A thread_local with a destructor costs a guard on every use: made once.
__attribute__((noinline)) void MakeThreadEnd() {
  static thread_local ThreadEnd end;
  (void)end;
  threadEndMade = true;
}

void AddLive(std::int64_t bytes) {
  if (!threadEndMade) MakeThreadEnd();
  unpublishedBytes += bytes;
  if (unpublishedBytes > kPublishStep || unpublishedBytes < -kPublishStep) Publish();
}

void Count(BlockHeader* h, std::int64_t sign) { AddLive(sign * static_cast<std::int64_t>(malloc_usable_size(h))); }

// The live bytes as this thread sees them.
std::int64_t LiveNow() { return liveBytes.load(std::memory_order_relaxed) + unpublishedBytes; }

void Link(BlockHeader* h) {
  ComputationScope::State* scope = innermostScope;
  h->next = nullptr;
  if (!scope) {
    h->prev.store(nullptr, std::memory_order_relaxed);
    return;
  }
  BlockHeader* first = scope->ring.next;
  h->next = first;
  h->prev.store(&scope->ring, std::memory_order_relaxed);
  first->prev.store(h, std::memory_order_relaxed);
  scope->ring.next = h;
}

void Unlink(BlockHeader* h) {
  BlockHeader* before = h->prev.load(std::memory_order_relaxed);
  before->next = h->next;
  h->next->prev.store(before, std::memory_order_relaxed);
}

bool IsLinked(const BlockHeader* h) { return h->prev.load(std::memory_order_relaxed) != nullptr; }

BlockHeader* HeaderOf(void* p) { return static_cast<BlockHeader*>(p) - 1; }

void* Take(std::size_t size, bool zeroed, Refusal refusal) {
  if (size > kMaxRequest) {
    AfterMallocRefused(refusal, size);
    std::abort();  // not reached when refusing is allowed
  }
  const std::size_t total = size + kHeader;
  if (RefusedOnBudget(refusal, total)) throw zqOutOfMemoryException();
  void* base = nullptr;
  while (!(base = zeroed ? std::calloc(1, total) : std::malloc(total))) AfterMallocRefused(refusal, total);
  auto* h = static_cast<BlockHeader*>(base);
  Count(h, +1);
  Link(h);
  return h + 1;
}

void Give(void* p) {
  if (!p || p == gmpStaticLimb) return;
  BlockHeader* h = HeaderOf(p);
  if (IsLinked(h)) {
    if (!innermostScope) return;  // another thread's block: its scope frees it
    Unlink(h);
  }
  Count(h, -1);
  std::free(h);
}

void FlushPendingFree() { Give(std::exchange(pendingGmpFree, nullptr)); }



// A realloc keeps the block where it was: linked into the same ring, or not.
void* Resize(void* p, std::size_t size, Refusal refusal) {
  if (!p || p == gmpStaticLimb) return Take(size, false, refusal);
  if (size > kMaxRequest) {
    AfterMallocRefused(refusal, size);
    std::abort();
  }
  BlockHeader* h = HeaderOf(p);
  const std::size_t total = size + kHeader;
  const std::size_t old = malloc_usable_size(h);
  if (total > old && RefusedOnBudget(refusal, total - old)) throw zqOutOfMemoryException();
  if (IsLinked(h) && !innermostScope) {
    // Another thread's block: a copy of its own, the original left to its scope.
    void* copy = Take(size, false, refusal);
    std::memcpy(copy, p, std::min(size, old - kHeader));
    return copy;
  }
  const auto attempt = [&]() -> BlockHeader* {
    if (!IsLinked(h)) return static_cast<BlockHeader*>(std::realloc(h, total));
    BlockHeader* before = h->prev.load(std::memory_order_relaxed);
    BlockHeader* after = h->next;
    auto* moved = static_cast<BlockHeader*>(std::realloc(h, total));
    if (moved) {  // the header came along; point the neighbours at it
      before->next = moved;
      after->prev.store(moved, std::memory_order_relaxed);
    }
    return moved;
  };
  BlockHeader* moved = nullptr;
  while (!(moved = attempt())) AfterMallocRefused(refusal, total);
  AddLive(static_cast<std::int64_t>(malloc_usable_size(moved)) - static_cast<std::int64_t>(old));
  return moved + 1;
}

void* GmpAllocate(std::size_t size) {
  try {
    return Take(size, false, Refusal::OnBudget);
  } catch (...) {
    pendingGmpFree = nullptr;  // see pendingGmpFree
    throw;
  }
}
void* GmpReallocate(void* p, std::size_t, std::size_t size) { return Resize(p, size, Refusal::OnBudget); }
void GmpFree(void* p, std::size_t) { Give(std::exchange(pendingGmpFree, p)); }
void* FlintAllocate(std::size_t size) { return Take(size, false, Refusal::OnBudget); }
void* FlintCallocate(std::size_t count, std::size_t size) {
  if (size != 0 && count > kMaxRequest / size) {
    AfterMallocRefused(Refusal::OnBudget, kMaxRequest);
    std::abort();
  }
  return Take(count * size, true, Refusal::OnBudget);
}
// FLINT grows its caches and lists this way, after recording the new size.
void* FlintReallocate(void* p, std::size_t size) { return Resize(p, size, Refusal::Never); }
void FlintFree(void* p) { Give(p); }

// Before anything else in the library (and before any caller) can allocate
// through GMP or FLINT: a block must be freed by the functions that made it.
__attribute__((constructor(101))) void InstallMemoryFunctions() {
  mp_set_memory_functions(GmpAllocate, GmpReallocate, GmpFree);
  mpz_t fresh;
  mpz_init(fresh);
  gmpStaticLimb = fresh->_mp_d;
  mpz_clear(fresh);
  __flint_set_memory_functions(FlintAllocate, FlintCallocate, FlintReallocate, FlintFree);
  RestoreEmergencyReserve();
}

// Frees every block left in the scope's ring; true when there was any.
bool FreeRing(ComputationScope::State& scope) {
  BlockHeader* h = scope.ring.next;
  const bool any = h != &scope.ring;
  while (h != &scope.ring) {
    BlockHeader* next = h->next;
    Count(h, -1);
    std::free(h);
    h = next;
  }
  scope.ring.next = &scope.ring;
  scope.ring.prev.store(&scope.ring, std::memory_order_relaxed);
  return any;
}

}  // namespace

ComputationScope::ComputationScope() : state_(std::make_unique<State>()) {
  state_->ring.next = &state_->ring;
  state_->ring.prev.store(&state_->ring, std::memory_order_relaxed);
  state_->outer = innermostScope;
  state_->uncaughtAtStart = std::uncaught_exceptions();
  innermostScope = state_.get();
  openScopes.fetch_add(1);
  Publish();
  SetScopeLimit(liveBytes.load(std::memory_order_relaxed));
}

ComputationScope::~ComputationScope() {
  // The thread's caches first: FLINT's integer and prime caches and MPFR's
  // constants hold blocks of this scope.
  {
    detail::NoThrowAllocations guard;
    flint_cleanup();
    mpfr_free_cache();
  }
  FlushPendingFree();
  innermostScope = state_->outer;
  const bool leftovers = FreeRing(*state_);
  Publish();
  // What a failed computation held is given back to the system too, not only
  // to malloc's free lists.
  if (leftovers || std::uncaught_exceptions() > state_->uncaughtAtStart) malloc_trim(0);
  if (openScopes.fetch_sub(1) == 1) {
    scopeLimit.store(kUnlimited);
    refreshAt.store(kUnlimited);
  }
  RestoreEmergencyReserve();
}

namespace detail {

NoThrowAllocations::NoThrowAllocations() noexcept { ++noThrowDepth; }
NoThrowAllocations::~NoThrowAllocations() { --noThrowDepth; }

std::int64_t AvailableBytes() {
  const std::int64_t live = LiveNow();
  const std::int64_t limit = Limit();
  std::int64_t room = limit == kUnlimited ? kUnlimited : std::max<std::int64_t>(0, limit - live);
  if (openScopes.load(std::memory_order_relaxed) == 0) room = std::min(room, SystemHeadroom());
  return room;
}

void RefuseUnlessAvailable(double neededBytes) {
  if (neededBytes > static_cast<double>(AvailableBytes())) throw zqOutOfMemoryException();
}

}  // namespace detail

namespace testing {

void SetMemoryBudget(std::int64_t bytes) {
  Publish();
  testLimit.store(liveBytes.load() + bytes);
}
void ClearMemoryBudget() { testLimit.store(kUnlimited); }
std::int64_t LiveBytes() {
  Publish();
  return liveBytes.load();
}
std::int64_t PeakLiveBytes() {
  Publish();
  return peakLiveBytes.load();
}
void ResetPeakLiveBytes() {
  Publish();
  peakLiveBytes.store(liveBytes.load());
}
std::int64_t AvailableBytes() { return detail::AvailableBytes(); }

}  // namespace testing
}  // namespace zq
