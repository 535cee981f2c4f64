#include "platform/win32/media_player_win32.h"

#include <windows.h>
#include <initguid.h>
#include <ocidl.h>
#include <wmp.h>
#include <wmpids.h>

#include <optional>

#include "platform/win32/text.h"

namespace platform::win32 {

namespace {

// Holds one COM reference.
template <class T>
struct Ref {
  T* p = nullptr;
  Ref() = default;
  Ref(const Ref&) = delete;
  Ref& operator=(const Ref&) = delete;
  ~Ref() { reset(); }
  void reset() {
    if (p) p->Release();
    p = nullptr;
  }
  T** out() {
    reset();
    return &p;
  }
  T* operator->() const { return p; }
  explicit operator bool() const { return p != nullptr; }
};

// Receives the component's events and hands them to the owner's callbacks.
class EventSink final : public IDispatch {
 public:
  explicit EventSink(MediaPlayer& owner) : owner_(owner) {}
  virtual ~EventSink() = default;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == IID__WMPOCXEvents) {
      *out = static_cast<IDispatch*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override {
    *n = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    if (id == DISPID_WMPCOREEVENT_PLAYSTATECHANGE && params && params->cArgs >= 1) {
      VARIANT v;
      VariantInit(&v);
      // The state comes as VT_I4 or (under Wine) VT_UI4.
      if (SUCCEEDED(VariantChangeType(&v, &params->rgvarg[0], 0, VT_I4)) && owner_.onPlayStateChange)
        owner_.onPlayStateChange(v.lVal);
    } else if (id == DISPID_WMPCOREEVENT_ERROR && owner_.onError) {
      owner_.onError();
    }
    return S_OK;
  }

 private:
  MediaPlayer& owner_;
  ULONG refs_ = 1;
};

}  // namespace

struct Win32MediaPlayer::Impl {
  bool comStarted = false;
  Ref<IWMPPlayer4> player;
  Ref<IConnectionPoint> point;
  DWORD cookie = 0;
  std::optional<double> pausedAt;  // the place a paused tune goes on from

  bool controls(Ref<IWMPControls>& c) { return SUCCEEDED(player->get_controls(c.out())) && c; }
};

std::unique_ptr<Win32MediaPlayer> Win32MediaPlayer::Create() {
  auto impl = std::make_unique<Impl>();
  impl->comStarted = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
  if (FAILED(CoCreateInstance(CLSID_WindowsMediaPlayer, nullptr, CLSCTX_INPROC_SERVER, IID_IWMPPlayer4,
                              reinterpret_cast<void**>(impl->player.out()))) ||
      !impl->player) {
    impl->player.reset();
    if (impl->comStarted) CoUninitialize();
    return nullptr;
  }
  std::unique_ptr<Win32MediaPlayer> self(new Win32MediaPlayer(std::move(impl)));
  Impl& i = *self->impl_;
  Ref<IConnectionPointContainer> container;
  if (SUCCEEDED(i.player->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(container.out()))) &&
      SUCCEEDED(container->FindConnectionPoint(IID__WMPOCXEvents, i.point.out()))) {
    auto* sink = new EventSink(*self);
    if (FAILED(i.point->Advise(sink, &i.cookie))) i.cookie = 0;
    sink->Release();
  }
  if (!i.cookie) return nullptr;  // without its events the end of a tune would go unnoticed
  Ref<IWMPSettings> settings;
  if (SUCCEEDED(i.player->get_settings(settings.out())) && settings) settings->put_autoStart(VARIANT_FALSE);
  return self;
}

Win32MediaPlayer::Win32MediaPlayer(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

Win32MediaPlayer::~Win32MediaPlayer() {
  if (impl_->point && impl_->cookie) impl_->point->Unadvise(impl_->cookie);
  impl_->point.reset();
  if (impl_->player) impl_->player->close();
  impl_->player.reset();
  if (impl_->comStarted) CoUninitialize();
}

bool Win32MediaPlayer::clearPlaylist() {
  Ref<IWMPPlaylist> list;
  if (SUCCEEDED(impl_->player->get_currentPlaylist(list.out())) && list && SUCCEEDED(list->clear())) return true;
  // Some versions of the component (Wine's) offer no playlist editing: the URL set by
  // appendToPlaylist replaces the current media instead.
  Ref<IWMPControls> c;
  if (impl_->controls(c)) c->stop();
  return true;
}

bool Win32MediaPlayer::appendToPlaylist(const std::string& path) {
  Ref<IWMPMediaCollection> collection;
  Ref<IWMPMedia> media;
  Ref<IWMPPlaylist> list;
  BSTR url = SysAllocString(ToWide(path).c_str());
  const bool ok = SUCCEEDED(impl_->player->get_mediaCollection(collection.out())) && collection &&
                  SUCCEEDED(collection->add(url, media.out())) && media &&
                  SUCCEEDED(impl_->player->get_currentPlaylist(list.out())) && list &&
                  SUCCEEDED(list->appendItem(media.p));
  const bool replaced = ok || SUCCEEDED(impl_->player->put_URL(url));
  SysFreeString(url);
  return replaced;
}

bool Win32MediaPlayer::play() {
  Ref<IWMPControls> c;
  if (!impl_->controls(c) || FAILED(c->play())) return false;
  if (impl_->pausedAt) c->put_currentPosition(*impl_->pausedAt);
  impl_->pausedAt.reset();
  return true;
}

bool Win32MediaPlayer::stop() {
  impl_->pausedAt.reset();
  Ref<IWMPControls> c;
  return impl_->controls(c) && SUCCEEDED(c->stop());
}

bool Win32MediaPlayer::pause() {
  // Wine's component goes on playing through "pause"; a stop with the place kept pauses
  // on every version.
  Ref<IWMPControls> c;
  double at = 0;
  if (!impl_->controls(c) || FAILED(c->get_currentPosition(&at)) || FAILED(c->stop())) return false;
  impl_->pausedAt = at;
  return true;
}

std::optional<double> Win32MediaPlayer::duration() {
  Ref<IWMPMedia> media;
  double d = 0;
  if (FAILED(impl_->player->get_currentMedia(media.out())) || !media || FAILED(media->get_duration(&d)))
    return std::nullopt;
  return d;
}

std::optional<double> Win32MediaPlayer::currentPosition() {
  if (impl_->pausedAt) return impl_->pausedAt;
  Ref<IWMPControls> c;
  double p = 0;
  if (!impl_->controls(c) || FAILED(c->get_currentPosition(&p))) return std::nullopt;
  return p;
}

bool Win32MediaPlayer::setCurrentPosition(double seconds) {
  if (impl_->pausedAt) {
    impl_->pausedAt = seconds;
    return true;
  }
  Ref<IWMPControls> c;
  return impl_->controls(c) && SUCCEEDED(c->put_currentPosition(seconds));
}

int Win32MediaPlayer::errorCount() {
  Ref<IWMPError> e;
  LONG n = 0;
  if (FAILED(impl_->player->get_Error(e.out())) || !e || FAILED(e->get_errorCount(&n))) return 0;
  return static_cast<int>(n);
}

void Win32MediaPlayer::clearErrorQueue() {
  Ref<IWMPError> e;
  if (SUCCEEDED(impl_->player->get_Error(e.out())) && e) e->clearErrorQueue();
}

}  // namespace platform::win32
