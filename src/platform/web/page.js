// The page's side of the web backend (platform_web.cpp), put before the
// program's own JavaScript: the canvas, the mouse and keys, the sound through
// Web Audio, and the player's folder kept in the browser's storage.
(function () {
  'use strict';
  // The installed layout (core/folders.h): the program in /usr/lib/games/pelvaro, the data beside it in
  // /usr/share/games/pelvaro (the data package puts it there), the player's folder in ~/.local/share/pelvaro.
  const kProgram = '/usr/lib/games/pelvaro/pelvaro';
  const kPlayer = '/home/web_user/.local/share/pelvaro';
  // The rooms' state files: 20 MB that a game rewrites as it goes, kept in memory only.
  const kRoomStates = kPlayer + '/sav/tmp';
  const kKeepEveryMs = 2000;

  const canvas = document.getElementById('screen');
  const view = canvas.getContext('2d');
  const p = {
    pointer: { x: 0, y: 0, w: 640, h: 480, buttons: 0, seen: 0, wheel: 0 },
    keys: [],
    closing: false,
    audio: null,
    soundAt: 0,
    lastKept: 0,
    keeping: false,
    keptWanted: false,
    // Every file written before this time (Date.now()) is in the browser's storage.
    keptUpTo: 0,
    player: kPlayer,
  };
  Module.pelvaro = p;

  // The canvas as large as the page holds it at 4:3, its pixels kept square and sharp.
  function fit() {
    const w = Math.min(window.innerWidth, window.innerHeight * 4 / 3);
    canvas.style.width = Math.floor(w) + 'px';
    canvas.style.height = Math.floor(w * 3 / 4) + 'px';
  }
  window.addEventListener('resize', fit);
  document.addEventListener('fullscreenchange', fit);
  fit();

  p.showRows = function (bytes, w, first, count) {
    const rows = view.createImageData(w, count);
    rows.data.set(bytes);
    view.putImageData(rows, 0, first);
  };

  // ---- The mouse ----
  function place(e) {
    const r = canvas.getBoundingClientRect();
    p.pointer.x = e.clientX - r.left;
    p.pointer.y = e.clientY - r.top;
    p.pointer.w = r.width;
    p.pointer.h = r.height;
  }
  const kButton = { 0: 1, 2: 2, 1: 4 };
  canvas.addEventListener('pointermove', place);
  canvas.addEventListener('pointerdown', function (e) {
    place(e);
    startSound();
    const b = kButton[e.button] || 0;
    p.pointer.buttons |= b;
    p.pointer.seen |= b;
    e.preventDefault();
  });
  window.addEventListener('pointerup', function (e) {
    p.pointer.buttons &= ~(kButton[e.button] || 0);
  });
  canvas.addEventListener('contextmenu', function (e) { e.preventDefault(); });
  canvas.addEventListener('wheel', function (e) {
    if (e.deltaY) p.pointer.wheel += e.deltaY < 0 ? 1 : -1;
    e.preventDefault();
  }, { passive: false });

  // ---- Keys: F11 and Alt+Enter switch the page to the whole screen and back ----
  function switchScreen() {
    if (document.fullscreenElement) document.exitFullscreen();
    else document.documentElement.requestFullscreen().catch(function () {});
  }
  // Keys the browser would take for itself (scrolling, going back, reloading) that the game has a use for.
  const kGameKeys = new Set(['Tab', 'Backspace', 'Space', 'ArrowUp', 'ArrowDown', 'ArrowLeft', 'ArrowRight',
                             'PageUp', 'PageDown', 'Home', 'End', 'F1', 'F5', 'F7', 'Escape', 'Enter']);
  window.addEventListener('keydown', function (e) {
    startSound();
    if (e.code === 'F11' || (e.altKey && (e.code === 'Enter' || e.code === 'NumpadEnter'))) {
      e.preventDefault();
      if (!e.repeat) switchScreen();
      return;
    }
    const typed = e.key.length === 1 || (e.key.length === 2 && e.key.codePointAt(0) > 0xffff)
        ? e.key.codePointAt(0) : 0;
    p.keys.push({ code: e.code, typed: e.ctrlKey || e.metaKey ? 0 : typed, down: true });
    if (kGameKeys.has(e.code) || (e.key.length === 1 && !e.ctrlKey && !e.metaKey)) e.preventDefault();
  });
  window.addEventListener('keyup', function (e) {
    p.keys.push({ code: e.code, typed: 0, down: false });
  });

  // ---- Sound: browsers let a page make sound only after a click or a key ----
  function startSound() {
    if (!p.audio) {
      const Context = window.AudioContext || window.webkitAudioContext;
      if (!Context) return;
      p.audio = new Context();
      window.pelvaroAudio = p.audio;
    }
    if (p.audio.state !== 'running') p.audio.resume();
  }
  p.soundAhead = function () {
    if (!p.audio || p.audio.state !== 'running') return -1;
    return Math.max(0, p.soundAt - p.audio.currentTime);
  };
  p.playSound = function (pcm, frames, rate) {
    const buffer = p.audio.createBuffer(2, frames, rate);
    const left = buffer.getChannelData(0), right = buffer.getChannelData(1);
    let loudest = 0;
    for (let i = 0; i < frames; ++i) {
      left[i] = pcm[2 * i] / 32768;
      right[i] = pcm[2 * i + 1] / 32768;
      loudest = Math.max(loudest, Math.abs(pcm[2 * i]), Math.abs(pcm[2 * i + 1]));
    }
    // What has been played, for the page's test: the blocks and how many of them were not silent.
    p.blocksPlayed = (p.blocksPlayed || 0) + 1;
    if (loudest > 64) p.blocksHeard = (p.blocksHeard || 0) + 1;
    const source = p.audio.createBufferSource();
    source.buffer = buffer;
    source.connect(p.audio.destination);
    if (p.soundAt < p.audio.currentTime + 0.01) p.soundAt = p.audio.currentTime + 0.02;
    source.start(p.soundAt);
    p.soundAt += frames / rate;
  };

  // ---- The player's folder in the browser's storage ----
  function roomStatesLeftOut(set) {
    for (const name of Object.keys(set.entries))
      if (name === kRoomStates || name.startsWith(kRoomStates + '/')) delete set.entries[name];
    return set;
  }
  p.keepFiles = function (now) {
    const t = performance.now();
    if (p.keeping) { p.keptWanted = p.keptWanted || now; return; }
    if (!now && t - p.lastKept < kKeepEveryMs) return;
    p.keeping = true;
    p.lastKept = t;
    const startedAt = Date.now() - 1;
    FS.syncfs(false, function (err) {
      p.keeping = false;
      if (err) console.warn('Pelvaro: the saved games could not be stored:', err);
      else p.keptUpTo = startedAt;
      if (p.keptWanted) { p.keptWanted = false; p.keepFiles(true); }
    });
  };
  // A page closed or reloaded during play: the game is asked to close (as a window's close button does) and
  // what is written is stored; the browser gives no more time than that.
  function leaving() {
    p.closing = true;
    p.keepFiles(true);
  }
  window.addEventListener('pagehide', leaving);
  window.addEventListener('beforeunload', leaving);
  document.addEventListener('visibilitychange', function () {
    if (document.hidden) p.keepFiles(true);
  });

  p.ended = function (status) {
    p.keepFiles(true);
    document.body.classList.add('ended');
  };
  p.tell = function (words) {
    Module.setStatus(words);
  };

  Module.preRun = Module.preRun || [];
  Module.preRun.push(function () {
    // Making "/" finds it there (EEXIST), as on any other system, so that a folder made part by part from the
    // root can be made.
    const mkdir = FS.mkdir;
    FS.mkdir = function (path, mode) {
      // (The system call hands "/" on without its slash, as "".)
      if (path === '' || PATH.normalize(path) === '/') throw new FS.ErrnoError(20);
      return mkdir(path, mode);
    };
    FS.mkdirTree(kProgram.substring(0, kProgram.lastIndexOf('/')));
    FS.symlink(kProgram, '/proc/self/exe');
    FS.mkdirTree(kPlayer);
    FS.mount(IDBFS, {}, kPlayer);
    const localSet = IDBFS.getLocalSet;
    IDBFS.getLocalSet = function (mount, callback) {
      localSet(mount, function (err, set) { callback(err, set && roomStatesLeftOut(set)); });
    };
    addRunDependency('pelvaro-player');
    FS.syncfs(true, function (err) {
      if (err) console.warn('Pelvaro: the stored games could not be read:', err);
      removeRunDependency('pelvaro-player');
    });
  });
})();
