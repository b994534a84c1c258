// Drives headless Chromium over its DevTools pipe with real input.
// node browser.js CHROMIUM PROFILE STEPS.json prints, as JSON, the URLs requested and what
// each step returns. A step is an object keyed by a name from `schritte`.
"use strict";
const [chromium, profil, datei] = process.argv.slice(2);
const browser = require("child_process").spawn(chromium, ["--headless=new", "--no-sandbox",
    "--disable-gpu", "--hide-scrollbars", "--disable-smooth-scrolling", "--remote-debugging-pipe",
    `--user-data-dir=${profil}`, "about:blank"],
    { stdio: ["ignore", "ignore", "ignore", "pipe", "pipe"] });
const [befehle, antworten] = browser.stdio.slice(3);
const [offen, anfragen] = [new Map(), []];
let [nummer, sessionId, rest, geladen] = [0, undefined, "", null];
antworten.setEncoding("utf8").on("data", (teil) => {
    const nachrichten = (rest + teil).split("\0");
    rest = nachrichten.pop();
    for (const n of nachrichten.map((t) => JSON.parse(t))) {
        if (offen.has(n.id)) {
            offen.get(n.id)(n);
        } else if (n.method === "Page.loadEventFired") {
            geladen();
        } else if (n.method === "Network.requestWillBeSent") {
            anfragen.push(n.params.request.url);
        }
    }
});

function senden(method, params = {}) {
    befehle.write(`${JSON.stringify({ id: ++nummer, method, params, sessionId })}\0`);
    return new Promise((fertig, fehler) => offen.set(nummer, (n) =>
        (n.error ? fehler(new Error(`${method}: ${n.error.message}`)) : fertig(n.result))));
}
const js = (expression) => senden("Runtime.evaluate",
    { expression, awaitPromise: true, returnByValue: true }).then((r) => r.result.value);
// The expression's value once the page has drawn its next frame.
const nachBild = (ausdruck) => js(`new Promise((fertig) =>
    requestAnimationFrame(() => requestAnimationFrame(() => fertig(${ausdruck}))))`);
const element = (id) => `document.getElementById("${id}")`; // in the page
const maus = (type, [x, y], art) =>
    senden("Input.dispatchMouseEvent", { type, x, y, ...art });
// Finger i of a moment has the id i; a touch's end lifts the fingers named, or all.
const finger = (type, punkte, erster = 0) => senden("Input.dispatchTouchEvent",
    { type, touchPoints: punkte.map(([x, y], i) => ({ x, y, id: erster + i })) });
// Opens the page afresh, also for a new fragment; notes the keys it takes.
async function oeffnen(url) {
    for (const adresse of ["about:blank", url]) {
        const fertig = new Promise((f) => (geladen = f));
        await senden("Page.navigate", { url: adresse });
        await fertig;
    }
    await js(`genommen = []; addEventListener("keydown", (e) => e.defaultPrevented &&
        genommen.push((e.ctrlKey ? "Ctrl+" : "") + e.key));`);
}
const codes = { Tab: 9, " ": 32, Home: 36, ArrowLeft: 37, ArrowUp: 38,
    ArrowRight: 39, ArrowDown: 40 };

const schritte = {
    laden: async (s) => {
        await senden("Emulation.setDeviceMetricsOverride",
            { width: s.breite, height: s.hoehe, deviceScaleFactor: 1, mobile: s.mobil });
        await senden("Emulation.setTouchEmulationEnabled", { enabled: s.mobil });
        await oeffnen(s.laden);
    },
    wieder: async () => oeffnen(await js("location.href")),
    tasten: async (s) => { // as "Tab Shift+Tab Ctrl+1 + Space"
        for (const name of s.tasten.split(" ")) {
            const [, ctrl, shift, wort] = name.match(/^(Ctrl\+)?(Shift\+)?(.+)$/);
            const key = wort === "Space" ? " " : wort;
            const text = key.length === 1 && !ctrl ? key : undefined;
            const modifiers = (ctrl ? 2 : 0) | (shift ? 8 : 0);
            const art = { key, text, windowsVirtualKeyCode: codes[key] ?? 0, modifiers };
            for (const type of [text ? "keyDown" : "rawKeyDown", "keyUp"]) {
                await senden("Input.dispatchKeyEvent", { type, ...art });
            }
        }
    },
    // pressed at the first place, moved to each further, released at the last
    maus: async (s) => {
        const art = { button: s.knopf, clickCount: 1, modifiers: s.shift ? 8 : 0 };
        const buttons = s.knopf === "middle" ? 4 : 1;
        for (const [i, ort] of s.maus.entries()) {
            await maus(i === 0 ? "mousePressed" : "mouseMoved", ort, { buttons, ...art });
        }
        await maus("mouseReleased", s.maus.at(-1), art);
    },
    zeiger: (s) => maus("mouseMoved", s.zeiger, { button: "none" }),
    rad: ({ rad: [x, y, deltaY] }) => maus("mouseWheel", [x, y], { deltaX: 0, deltaY }),
    // the touch points of each moment; a finger left out is lifted, then all are
    finger: async (s) => {
        let vorher = [];
        for (const punkte of s.finger) {
            if (punkte.length < vorher.length) {
                await finger("touchEnd", vorher.slice(punkte.length), punkte.length);
            }
            await finger(vorher.length === 0 ? "touchStart" : "touchMove", punkte);
            vorher = punkte;
        }
        await finger("touchEnd", []);
    },
    tippen: async (s) => { // a tap on the middle of the element with that id
        const r = await js(`${element(s.tippen)}.getBoundingClientRect().toJSON()`);
        await schritte.finger({ finger: [[[r.x + r.width / 2, r.y + r.height / 2]]] });
    },
    status: () => nachBild(`[document.querySelector("[aria-live]")].map((e) =>
        [e.role, e.ariaLive, e.textContent].join(" "))[0]`),
    lage: () => js(`(() => {
        const z = ${element("zeichnung")}.getBoundingClientRect();
        const s = ${element("steuerung")}.getBoundingClientRect();
        const wo = s.left >= z.right ? "daneben"
            : s.top >= z.bottom ? "darunter" : "darueber";
        const e = document.activeElement;
        return [z.width, z.height, wo, scrollY, visualViewport.scale, e.id,
            getComputedStyle(e).outlineStyle !== "none", document.documentElement.lang];
    })()`),
    adresse: () => nachBild("[location.hash, history.length]"),
    cdp: (s) => senden(s.cdp),
    // the drawing as a data URL; the keys the page took, as "Ctrl+0 Home"
    bild: () => nachBild(`[${element("zeichnung")}.toDataURL(), genommen.join(" ")]`),
};

(async () => {
    const { targetInfos } = await senden("Target.getTargets");
    const { targetId } = targetInfos.find((t) => t.type === "page");
    ({ sessionId } = await senden("Target.attachToTarget", { targetId, flatten: true }));
    await Promise.all([senden("Page.enable"), senden("Network.enable")]);
    const ergebnisse = [];
    for (const s of JSON.parse(require("fs").readFileSync(datei, "utf8"))) {
        const name = Object.keys(schritte).find((n) => n in s);
        ergebnisse.push((await schritte[name](s)) ?? null);
    }
    process.stdout.write(JSON.stringify([anfragen, ...ergebnisse]));
})().catch((fehler) => {
    process.stderr.write(`${fehler.stack}\n`);
    process.exitCode = 1;
}).finally(() => browser.kill());
