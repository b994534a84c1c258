// Viewer of one exported model. The page embeds the model, the view it was exported with and
// the program's drawing constants as JSON in the element #modell; this script draws it into the
// canvas #zeichnung as the desktop renderer does and changes the view the way the main window
// does: dragging turns or shifts (the middle button, or Shift with the left, does the other of
// the two), the wheel, the buttons and the zoom field zoom, the check
// boxes switch points, lines and axes. The focused drawing takes the main window's keys, which
// come with the data: each arrow key acts as a drag of SCHRITT pixels, + and - as the zoom
// buttons, Home and 0 as "reset"; 1, 3 and 7 show the model from the front, the right and the
// top, with Ctrl from the back, the left and the bottom, F fits the whole model into the
// drawing and Escape ends a measurement. One finger drags as the
// mouse does; two fingers pinch to zoom. Positions are taken in drawing pixels, so a drawing
// shrunk to a narrow screen turns by the same amount per drawing pixel. Functions that repeat
// one of the program's rules carry the name of their C++ twin; webseite.cpp lists the pairs.
//
// The page's address holds its view, so that a copied link shows what its sender saw:
//   #drehung=-0.785&neigung=0.3925&zoom=10&x=200&y=200&punkte=0&linien=1&achsen=1&modus=rotieren
// the turn and the tilt in radians, each the shortest text that reads back as the same number;
// the zoom (1 to 2147483647) and the origin x and y in whole drawing pixels; the check boxes as
// 0 or 1; what a drag does, rotieren or verschieben. Each change of these replaces the address
// without a new history entry. A page opened with such an address shows that view; with any
// other fragment (a field missing, twice or unknown, a value out of range) the view it was
// exported with.
"use strict";

(function () {
    const RASTE = 120; // one wheel notch, in the units of WheelEvent.wheelDelta

    const daten = JSON.parse(document.getElementById("modell").textContent);
    const GRENZE = daten.grenze; // largest row of the point and move tables
    const WEIT = daten.weit; // segment ends farther out are clipped before the conversion
    const SCHRITT = daten.tastenSchritt; // an arrow key's drag, in drawing pixels
    const canvas = document.getElementById("zeichnung");
    const ctx = canvas.getContext("2d", { alpha: false });
    const feld = (id) => document.getElementById(id);
    const schalter = { punkte: feld("punkte"), linien: feld("linien"), achsen: feld("achsen") };

    // Coordinates that JSON cannot hold arrive as null; they are not finite.
    const punkt = Float64Array.from(daten.punkt, (v) => (v === null ? NaN : v));
    const linie = Int32Array.from(daten.linie);
    const anzPunktZeilen = punkt.length / 3;
    const px = new Float64Array(anzPunktZeilen);
    const py = new Float64Array(anzPunktZeilen);

    const z = {
        neigung: daten.neigung,
        drehung: daten.drehung,
        zoom: daten.zoom,
        origx: daten.origx,
        origy: daten.origy,
        mausx: 0,
        mausy: 0,
        andere: false, // the drag under way does the other motion
        radRest: 0,
    };
    let basis = basisBei(0);
    // The marked point, the point measured to from it and the marked move; 0 for none.
    const marke = { pkt: daten.debugpkt, mess: daten.messpkt, linie: daten.debuglinie };

    // The one conversion from a real to an Integer: truncation, saturating, NaN gives 0.
    function toInteger(v) {
        if (Number.isNaN(v)) {
            return 0;
        }
        return Math.max(-2147483648, Math.min(2147483647, Math.trunc(v)));
    }

    // The basis at a scale of f pixels per model unit: basis[k][1] and basis[k][2] are the screen
    // x and y (downwards) of one unit along model axis k.
    function basisBei(f) {
        const s1 = Math.sin(z.neigung);
        const c1 = Math.cos(z.neigung);
        const s3 = Math.sin(z.drehung);
        const c3 = Math.cos(z.drehung);
        return [
            [0, 0, 0],
            [0, f * c3, -(f * s1 * s3)],
            [0, -(f * s3), -(f * s1 * c3)],
            [0, 0, -(f * c1)],
        ];
    }

    function rotation2() {
        basis = basisBei(z.zoom);
    }

    function projektion() {
        const [b1, b2, b3] = [basis[1], basis[2], basis[3]];
        for (let p = 0; p < anzPunktZeilen; ++p) {
            const x = punkt[3 * p];
            const y = punkt[3 * p + 1];
            const w = punkt[3 * p + 2];
            px[p] = x * b1[1] + y * b2[1] + w * b3[1];
            py[p] = x * b1[2] + y * b2[2] + w * b3[2];
        }
    }

    // Clips the segment to a box (Liang-Barsky); null when nothing of it lies inside.
    function clipSegment(ax, ay, bx, by, lo, hi, loY, hiY) {
        let t0 = 0;
        let t1 = 1;
        const dx = bx - ax;
        const dy = by - ay;
        const p = [-dx, dx, -dy, dy];
        const q = [ax - lo, hi - ax, ay - loY, hiY - ay];
        for (let i = 0; i < 4; ++i) {
            if (p[i] === 0) {
                if (q[i] < 0) {
                    return null;
                }
                continue;
            }
            const t = q[i] / p[i];
            if (p[i] < 0) {
                t0 = Math.max(t0, t);
            } else {
                t1 = Math.min(t1, t);
            }
            if (t0 > t1) {
                return null;
            }
        }
        return [ax + t0 * dx, ay + t0 * dy, ax + t1 * dx, ay + t1 * dy];
    }

    // The pixels of the canvas, drawn as the desktop draws into its picture: square pens,
    // lines stepped along their longer axis in 32.32 fixed point, discs of whole pixels.
    const B = daten.breite;
    const H = daten.hoehe;
    const bild = ctx.createImageData(B, H);
    const pixel = new Uint32Array(bild.data.buffer);
    const kleinEndig = new Uint8Array(new Uint32Array([1]).buffer)[0] === 1;
    const EINS = 4294967296; // one pixel in 32.32 fixed point
    let farbe = 0;
    let pen = 1;

    // A colour "#rrggbb" as the 32 bits of an opaque pixel.
    function farbwert(text) {
        const v = parseInt(text.slice(1), 16);
        const [r, g, b] = [v >> 16, (v >> 8) & 255, v & 255];
        return (kleinEndig ? (255 << 24) | (b << 16) | (g << 8) | r : (v << 8) | 255) >>> 0;
    }
    const palette = daten.farben.map(farbwert);
    const [WEISS, GRUEN, ROT, SCHWARZ] = [daten.weiss, daten.gruen, daten.rot, "#000000"].map(
        farbwert,
    );

    function plot(x, y) {
        if (x >= 0 && y >= 0 && x < B && y < H) {
            pixel[y * B + x] = farbe;
        }
    }

    function fillRect(x, y, w, h) {
        const links = Math.max(x, 0);
        const rechts = Math.min(x + w, B);
        for (let j = Math.max(y, 0); j < Math.min(y + h, H) && links < rechts; ++j) {
            pixel.fill(farbe, j * B + links, j * B + rechts);
        }
    }

    // Row j of the disc holds the pixels whose centres lie inside the inscribed circle.
    function fillDisc(x, y, size) {
        for (let j = 0; j < size; ++j) {
            const v = 2 * j + 1 - size;
            let erste = 0;
            while (erste < size && (2 * erste + 1 - size) ** 2 + v * v > size * size) {
                ++erste;
            }
            fillRect(x + erste, y + j, size - 2 * erste, 1);
        }
    }

    // Half-way values round away from zero; the results are canvas positions, small integers.
    const runden = (v) => (v < 0 ? -Math.round(-v) : Math.round(v)) | 0;

    // A line including both end pixels, clipped to the canvas widened by the pen's reach.
    function drawLine(ax, ay, bx, by) {
        const reichweite = Math.trunc(pen / 2);
        const k = clipSegment(ax, ay, bx, by, -reichweite, B - 1 + reichweite, -reichweite,
            H - 1 + reichweite);
        if (k === null) {
            return;
        }
        [ax, ay, bx, by] = k.map(runden);
        const dx = bx - ax;
        const dy = by - ay;
        const entlangX = Math.abs(dx) >= Math.abs(dy);
        const schritte = entlangX ? Math.abs(dx) : Math.abs(dy);
        const richtung = (entlangX ? dx : dy) < 0 ? -1 : 1;
        // |slope| <= 2^32 and every value stays far below 2^53: doubles hold them exactly.
        const steigung = schritte === 0 ? 0 : Math.trunc(((entlangX ? dy : dx) * EINS) / schritte);
        let neben = (entlangX ? ay : ax) * EINS + EINS / 2;
        const f = farbe;
        let haupt = entlangX ? ax : ay;
        if (pen === 1 && entlangX) {
            // Both ends lie inside the canvas, so every pixel between them does.
            for (let i = 0; i <= schritte; ++i, haupt += richtung, neben += steigung) {
                pixel[Math.floor(neben / EINS) * B + haupt] = f;
            }
        } else if (pen === 1) {
            for (let i = 0; i <= schritte; ++i, haupt += richtung, neben += steigung) {
                pixel[haupt * B + Math.floor(neben / EINS)] = f;
            }
        } else {
            for (let i = 0; i <= schritte; ++i, haupt += richtung, neben += steigung) {
                const anders = Math.floor(neben / EINS);
                for (let j = -reichweite; j <= reichweite; ++j) {
                    for (let q = -reichweite; q <= reichweite; ++q) {
                        plot((entlangX ? haupt : anders) + q, (entlangX ? anders : haupt) + j);
                    }
                }
            }
        }
    }

    // The segment from point a to point b, skipped when an end is no row of the tables or its
    // screen position is not finite.
    function strecke(a, b) {
        if (a < 0 || a > GRENZE || b < 0 || b > GRENZE) {
            return;
        }
        let ax = px[a] + z.origx;
        let ay = py[a] + z.origy;
        let bx = px[b] + z.origx;
        let by = py[b] + z.origy;
        if (!(Number.isFinite(ax) && Number.isFinite(ay) && Number.isFinite(bx) && Number.isFinite(by))) {
            return;
        }
        if (Math.abs(ax) > WEIT || Math.abs(ay) > WEIT || Math.abs(bx) > WEIT || Math.abs(by) > WEIT) {
            const k = clipSegment(ax, ay, bx, by, -WEIT, WEIT, -WEIT, WEIT);
            if (k === null) {
                return;
            }
            [ax, ay, bx, by] = k;
        }
        drawLine(toInteger(ax), toInteger(ay), toInteger(bx), toInteger(by));
    }

    // The disc centred on point p, its box's corner offset by half the size (whole pixels).
    function scheibe(p, size) {
        const half = Math.trunc(size / 2);
        const x = px[p] - half + z.origx;
        const y = py[p] - half + z.origy;
        if (Number.isFinite(x) && Number.isFinite(y)) {
            fillDisc(toInteger(x), toInteger(y), size);
        }
    }

    function linien() {
        let a = 0;
        for (let l = 1; l <= daten.anzlin && l <= GRENZE; ++l) {
            const b = linie[2 * l];
            const q = linie[2 * l + 1];
            if (q !== 0) {
                farbe = palette[q & 15];
                strecke(a, b);
            }
            a = b;
        }
    }

    function linienMarke() {
        const d = marke.linie;
        if (d <= GRENZE) {
            farbe = GRUEN;
            pen = daten.markeStift;
            strecke(d >= 2 ? linie[2 * (d - 1)] : 0, linie[2 * d]);
            pen = 1;
        }
    }

    function markiertePunkte() {
        if (marke.pkt <= 0 || marke.pkt > GRENZE) {
            return [];
        }
        return marke.mess > 0 && marke.mess <= GRENZE ? [marke.pkt, marke.mess] : [marke.pkt];
    }

    function achsen() {
        const s = daten.achse / z.zoom;
        const halb = Math.trunc(daten.ursprungScheibe / 2);
        farbe = ROT;
        fillDisc(z.origx - halb, z.origy - halb, daten.ursprungScheibe);
        ["x", "y", "z"].forEach((name, i) => {
            const x = toInteger(basis[i + 1][1] * s + z.origx);
            const y = toInteger(basis[i + 1][2] * s + z.origy);
            drawLine(z.origx, z.origy, x, y);
            const punkte = daten.zeichen[name];
            for (let j = 0; j < punkte.length; j += 2) {
                plot(x + punkte[j], y + punkte[j + 1]);
            }
        });
    }

    function zeichnen() {
        projektion();
        farbe = SCHWARZ;
        pixel.fill(farbe);
        if (schalter.punkte.checked) {
            farbe = WEISS;
            for (let p = 1; p <= daten.anzpkt && p <= GRENZE; ++p) {
                scheibe(p, daten.punktScheibe);
            }
        }
        farbe = GRUEN;
        for (const p of markiertePunkte()) {
            scheibe(p, daten.markeScheibe);
        }
        if (schalter.linien.checked) {
            linien();
        }
        if (marke.linie > 0) {
            linienMarke();
        }
        if (schalter.achsen.checked) {
            achsen();
        }
        ctx.putImageData(bild, 0, 0);
    }

    // Redraws once before the next frame, however many events arrive until then.
    let angefordert = false;
    function anfordern() {
        if (!angefordert) {
            angefordert = true;
            requestAnimationFrame(() => {
                angefordert = false;
                zeichnen();
                statusZeigen();
                adresseSetzen();
            });
        }
    }

    const saturiert = (v) => Math.max(-2147483648, Math.min(2147483647, v));

    function mausRunter(x, y) {
        z.mausx = x;
        z.mausy = y;
    }

    // Whether a drag begun with that button (0 left, 1 middle) does the other motion: the
    // middle button does, and so does the left with Shift.
    function andereBewegung(knopf, shift) {
        return knopf === 1 || (knopf === 0 && shift);
    }

    // A drag by (dx, dy) drawing pixels. Rotating: ziehStrecke pixels across turn the model by
    // ziehWinkel radians about its z axis, as many down tilt it by as much; shifting: the
    // origin follows. The other motion turns where the mode shifts and shifts where it turns.
    function ziehenUm(dx, dy, andere = false) {
        if (feld("rotieren").checked !== andere) {
            z.drehung += (dx / daten.ziehStrecke) * daten.ziehWinkel;
            z.neigung += (dy / daten.ziehStrecke) * daten.ziehWinkel;
        } else {
            z.origx = saturiert(z.origx + dx);
            z.origy = saturiert(z.origy + dy);
        }
        rotation2();
    }

    function mausZiehen(x, y) {
        ziehenUm(x - z.mausx, y - z.mausy, z.andere);
        z.mausx = x;
        z.mausy = y;
    }

    // Every zoom but the field's own text shows in the field.
    function zoomSetzen(wert) {
        z.zoom = wert;
        feld("zoom").value = String(wert);
        rotation2();
    }

    // Wheel turned by delta notches; positive zooms out. The zoom stays at least 1.
    function mausRad(delta) {
        zoomSetzen(Math.max(1, saturiert(z.zoom - delta)));
    }

    function zoomRunter() {
        if (z.zoom > 1) {
            zoomSetzen(z.zoom - 1);
        }
    }

    function zoomRauf() {
        zoomSetzen(saturiert(z.zoom + 1));
    }

    // The number at the start of the text, as the desktop's zoom field reads it; below 1 the
    // zoom is 1 and the field shows it.
    function zoomText(text) {
        const zahl = /^ *[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?/.exec(text);
        const wert = toInteger(zahl === null ? 0 : Number(zahl[0]));
        if (wert < 1) {
            zoomSetzen(1);
        } else {
            z.zoom = wert;
            rotation2();
        }
    }

    // A standard view: the two angles; zoom and origin stay.
    function seiteZeigen([drehung, neigung]) {
        z.drehung = drehung;
        z.neigung = neigung;
        rotation2();
    }

    // The largest whole zoom at which everything drawn with the current angles and check boxes
    // lies inside the drawing, a margin of 1/32 of its shorter side (at least one pixel), one
    // pixel for rounding and a point's radius left free all round, and the origin that centres
    // it; zoom 1 when none fits. A drawing that is a single position keeps the zoom; where
    // nothing is drawn at a finite position nothing changes.
    function einpassen() {
        const b = basisBei(1);
        let [links, rechts, oben, unten] = [Infinity, -Infinity, Infinity, -Infinity];
        const dazu = (p) => {
            if (p < 0 || p > GRENZE) {
                return;
            }
            const [x, y, w] = [punkt[3 * p], punkt[3 * p + 1], punkt[3 * p + 2]];
            const bx = x * b[1][1] + y * b[2][1] + w * b[3][1];
            const by = x * b[1][2] + y * b[2][2] + w * b[3][2];
            if (Number.isFinite(bx) && Number.isFinite(by)) {
                [links, rechts] = [Math.min(links, bx), Math.max(rechts, bx)];
                [oben, unten] = [Math.min(oben, by), Math.max(unten, by)];
            }
        };
        for (let p = 1; schalter.punkte.checked && p <= Math.min(daten.anzpkt, GRENZE); ++p) {
            dazu(p);
        }
        let a = 0;
        for (let l = 1; schalter.linien.checked && l <= Math.min(daten.anzlin, GRENZE); ++l) {
            const ziel = linie[2 * l];
            if (linie[2 * l + 1] !== 0) {
                dazu(a);
                dazu(ziel);
            }
            a = ziel;
        }
        if (links > rechts) {
            return;
        }
        const rand = Math.max(1, Math.trunc(Math.min(B, H) / 32)) + 1 +
            (schalter.punkte.checked ? Math.trunc(daten.punktScheibe / 2) : 0);
        const passend = (verfuegbar, laenge) => (laenge > 0 ? Math.max(verfuegbar, 0) / laenge : Infinity);
        let massstab = z.zoom;
        if (rechts > links || unten > oben) {
            massstab = Math.min(passend(B - 2 * rand, rechts - links), passend(H - 2 * rand, unten - oben),
                2147483647);
        }
        massstab = Math.max(1, Math.floor(massstab));
        const mitte = (pixel, lo, hi) => toInteger(Math.floor(pixel / 2 - (massstab * (lo + hi)) / 2 + 0.5));
        z.origx = mitte(B, links, rechts);
        z.origy = mitte(H, oben, unten);
        zoomSetzen(massstab);
    }

    function zuruecksetzen() {
        z.neigung = daten.startNeigung;
        z.drehung = daten.startDrehung;
        z.origx = toInteger(daten.breite / 2);
        z.origy = toInteger(daten.hoehe / 2);
        rotation2();
    }

    // The drawing pixel under a pointer, also where the canvas is shown smaller.
    function position(e) {
        const r = canvas.getBoundingClientRect();
        return [
            Math.floor(((e.clientX - r.left) * B) / r.width),
            Math.floor(((e.clientY - r.top) * H) / r.height),
        ];
    }

    // The pointers pressed on the canvas (mouse button or fingers) and, while two fingers are
    // down, the zoom and their distance when the second came. After a pinch, dragging waits
    // until every finger has left.
    const zeiger = new Map();
    let kneifen = null;
    const abstand = () => {
        const [a, b] = [...zeiger.values()];
        return Math.hypot(a[0] - b[0], a[1] - b[1]);
    };

    canvas.addEventListener("pointerdown", (e) => {
        if (e.button !== 0 && e.button !== 1) {
            return;
        }
        canvas.setPointerCapture(e.pointerId);
        zeiger.set(e.pointerId, [e.clientX, e.clientY]);
        if (zeiger.size === 1 && kneifen === null) {
            z.andere = andereBewegung(e.button, e.shiftKey);
            mausRunter(...position(e));
        } else if (zeiger.size === 2) {
            kneifen = { zoom: z.zoom, abstand: abstand() };
        }
    });
    canvas.addEventListener("pointermove", (e) => {
        if (!zeiger.has(e.pointerId)) {
            return;
        }
        zeiger.set(e.pointerId, [e.clientX, e.clientY]);
        if (kneifen === null) {
            mausZiehen(...position(e));
        } else if (zeiger.size === 2 && kneifen.abstand > 0) {
            zoomSetzen(Math.max(1, saturiert(Math.round((kneifen.zoom * abstand()) / kneifen.abstand))));
        }
        anfordern();
    });
    canvas.addEventListener("lostpointercapture", (e) => {
        zeiger.delete(e.pointerId);
        if (zeiger.size === 0) {
            kneifen = null;
        }
    });
    // The middle button drags here instead of scrolling the page, and Shift with the left
    // selects no text; the drawing takes the focus as on a plain click. The right button keeps
    // the browser's own menu.
    canvas.addEventListener("mousedown", (e) => {
        if (e.button === 1 || (e.button === 0 && e.shiftKey)) {
            e.preventDefault();
            canvas.focus({ preventScroll: true });
        }
    });
    canvas.addEventListener(
        "wheel",
        (e) => {
            e.preventDefault();
            // wheelDelta counts 120 per notch, positive away from the reader; browsers without
            // it give deltaY in lines (3 per notch), pages or pixels (100 per notch).
            const proRaste = [100, 3, 1][e.deltaMode];
            z.radRest += e.wheelDelta !== undefined ? e.wheelDelta : (-e.deltaY / proRaste) * RASTE;
            const rasten = Math.trunc(z.radRest / RASTE);
            z.radRest -= rasten * RASTE;
            if (rasten !== 0) {
                mausRad(-rasten);
                anfordern();
            }
        },
        { passive: false },
    );

    // The shortest text that reads back as the same number, fixed or with an exponent of at
    // least two digits, whichever is shorter (fixed on a tie), as the program's tables write it.
    function Str(v) {
        if (!Number.isFinite(v)) {
            return Number.isNaN(v) ? "nan" : v < 0 ? "-inf" : "inf";
        }
        if (v === 0) {
            return Object.is(v, -0) ? "-0" : "0";
        }
        const [mantisse, hoch] = Math.abs(v).toExponential().split("e");
        const ziffern = mantisse.replace(".", "");
        const e = Number(hoch);
        const wissenschaftlich = ziffern[0] + (ziffern.length > 1 ? "." + ziffern.slice(1) : "") +
            "e" + (e < 0 ? "-" : "+") + String(Math.abs(e)).padStart(2, "0");
        let fest;
        if (e < 0) {
            fest = "0." + "0".repeat(-e - 1) + ziffern;
        } else if (ziffern.length <= e + 1) {
            fest = ziffern + "0".repeat(e + 1 - ziffern.length);
        } else {
            fest = ziffern.slice(0, e + 1) + "." + ziffern.slice(e + 1);
        }
        return (v < 0 ? "-" : "") + (wissenschaftlich.length < fest.length ? wissenschaftlich : fest);
    }

    // At most stellen decimals, half away from zero, no trailing zeros.
    function strGerundet(v, stellen) {
        const teiler = 10 ** stellen;
        const skaliert = Math.round(Math.abs(v) * teiler);
        if (!(skaliert < 9007199254740992)) {
            return Str(v);
        }
        const zahl = BigInt(skaliert);
        let text = String(zahl / BigInt(teiler));
        const rest = zahl % BigInt(teiler);
        if (rest !== 0n) {
            text += "." + String(rest).padStart(stellen, "0").replace(/0+$/, "");
        }
        return v < 0 && zahl !== 0n ? "-" + text : text;
    }

    const zeile = (p) => p >= 0 && p <= GRENZE;
    const linienAnfang = (l) => (l >= 2 ? linie[2 * (l - 1)] : 0);

    // The moves drawn as segments, [move, start, end]: with Linien those of a colour, and the
    // marked move.
    function gezeichneteStrecken() {
        const strecken = [];
        for (let l = 1; schalter.linien.checked && l <= daten.anzlin && l <= GRENZE; ++l) {
            if (linie[2 * l + 1] !== 0) {
                strecken.push([l, linienAnfang(l), linie[2 * l]]);
            }
        }
        if (marke.linie > 0 && marke.linie <= GRENZE) {
            strecken.push([marke.linie, linienAnfang(marke.linie), linie[2 * marke.linie]]);
        }
        return strecken;
    }

    function abstandZurStrecke(x, y, ax, ay, bx, by) {
        const dx = bx - ax;
        const dy = by - ay;
        const laenge = dx * dx + dy * dy;
        let t = laenge > 0 ? ((x - ax) * dx + (y - ay) * dy) / laenge : 0;
        t = t < 0 ? 0 : t > 1 ? 1 : t;
        const ex = ax + t * dx - x;
        const ey = ay + t * dy - y;
        return ex * ex + ey * ey;
    }

    // What the pointer at (x, y) shows: { art: "punkt" | "linie" | null, nummer }.
    function trefferBei(x, y) {
        projektion();
        const strecken = gezeichneteStrecken();
        let naechster = { art: null, nummer: 0 };
        let bester = daten.punktReichweite * daten.punktReichweite;
        const pruefen = (p) => {
            if (!zeile(p)) {
                return;
            }
            const lx = px[p] + z.origx;
            const ly = py[p] + z.origy;
            const d = (lx - x) * (lx - x) + (ly - y) * (ly - y);
            if (!(Number.isFinite(lx) && Number.isFinite(ly)) || d > bester) {
                return;
            }
            if (d < bester || naechster.art === null || p < naechster.nummer) {
                naechster = { art: "punkt", nummer: p };
                bester = d;
            }
        };
        for (let p = 1; schalter.punkte.checked && p <= daten.anzpkt && p <= GRENZE; ++p) {
            pruefen(p);
        }
        markiertePunkte().forEach(pruefen);
        for (const [, a, b] of strecken) {
            pruefen(a);
            pruefen(b);
        }
        if (naechster.art !== null) {
            return naechster;
        }
        const reichweite = daten.linienReichweite * daten.linienReichweite;
        for (const [l, a, b] of strecken) {
            if (!zeile(a) || !zeile(b) || l <= naechster.nummer) {
                continue;
            }
            const [ax, ay, bx, by] = [px[a] + z.origx, py[a] + z.origy, px[b] + z.origx, py[b] + z.origy];
            const endlich = [ax, ay, bx, by].every(Number.isFinite);
            if (endlich && abstandZurStrecke(x, y, ax, ay, bx, by) <= reichweite) {
                naechster = { art: "linie", nummer: l };
            }
        }
        return naechster;
    }

    const koordinate = (p, k) => punkt[3 * p + k];

    function punktAbstand(a, b) {
        const dx = koordinate(b, 0) - koordinate(a, 0);
        const dy = koordinate(b, 1) - koordinate(a, 1);
        const dz = koordinate(b, 2) - koordinate(a, 2);
        return Math.sqrt(dx * dx + dy * dy + dz * dz);
    }

    const laenge = (v) => strGerundet(v, daten.messStellen);

    function punktText(p) {
        const [x, y, w] = [0, 1, 2].map((k) => Str(koordinate(p, k)));
        return `Punkt ${p}: x ${x}, y ${y}, z ${w}`;
    }

    function linienText(l) {
        const [a, b] = [linienAnfang(l), linie[2 * l]];
        const lang = zeile(a) && zeile(b) ? punktAbstand(a, b) : NaN;
        return `Linie ${l}: Punkt ${a} – Punkt ${b}, Farbe ${linie[2 * l + 1]}, Länge ${laenge(lang)}`;
    }

    function messText(a, b) {
        const d = [0, 1, 2].map((k) => laenge(koordinate(b, k) - koordinate(a, k)));
        const weit = laenge(punktAbstand(a, b));
        return `Punkt ${a} → Punkt ${b}: Abstand ${weit}, Δx ${d[0]}, Δy ${d[1]}, Δz ${d[2]}`;
    }

    function trefferText(t) {
        return t.art === "punkt" ? punktText(t.nummer) : t.art === "linie" ? linienText(t.nummer) : "";
    }

    function markenText() {
        const punkte = markiertePunkte();
        return punkte.length === 2 ? messText(punkte[0], punkte[1]) : "";
    }

    // A click at (x, y) picks what lies there; with messen and a point marked, a click on
    // another point measures to it. Tells whether a mark changed.
    function klicken(x, y, messen) {
        const t = trefferBei(x, y);
        const vorher = [marke.pkt, marke.mess, marke.linie].join();
        if (t.art === "punkt" && t.nummer !== 0) {
            if (messen && marke.pkt > 0 && marke.pkt !== t.nummer) {
                marke.mess = t.nummer;
            } else {
                [marke.pkt, marke.mess] = [t.nummer, 0];
            }
        } else if (t.art === "linie") {
            [marke.linie, marke.mess] = [t.nummer, 0];
        } else if (t.art === null) {
            [marke.pkt, marke.mess, marke.linie] = [0, 0, 0];
        }
        return vorher !== [marke.pkt, marke.mess, marke.linie].join();
    }

    function messungBeenden() {
        const war = marke.mess !== 0;
        marke.mess = 0;
        return war;
    }

    // The status line: the measurement that stands, else what lies under the resting pointer.
    // Written only when it changes, so that a screen reader announces each text once.
    let ruht = null;
    function statusZeigen() {
        const text = markenText() || (ruht === null ? "" : trefferText(trefferBei(...ruht)));
        if (feld("status").textContent !== text) {
            feld("status").textContent = text;
        }
    }

    // A press that has not yet moved the click distance, with its place and time.
    let klick = null;
    function zeigenRunter(e) {
        ruht = null;
        const allein = e.button === 0 && e.isPrimary;
        klick = allein ? { ort: position(e), x: e.clientX, y: e.clientY, zeit: e.timeStamp } : null;
    }

    function zeigenBewegt(e) {
        const weit = (k) => Math.abs(e.clientX - k.x) + Math.abs(e.clientY - k.y) >= daten.klickWeg;
        if (klick !== null && weit(klick)) {
            klick = null;
        }
        if (e.buttons === 0 && e.pointerType === "mouse") {
            ruht = position(e);
            statusZeigen();
        }
    }

    // A click or tap picks; Shift, or a long tap, measures.
    function zeigenLos(e) {
        if (klick === null || e.button !== 0) {
            return;
        }
        const lang = e.pointerType === "touch" && e.timeStamp - klick.zeit >= daten.langesTippen;
        const ort = klick.ort;
        klick = null;
        ruht = ort; // a finger's place too, so that a tap names what it picked
        if (klicken(...ort, e.shiftKey || lang)) {
            anfordern();
        }
        statusZeigen();
    }

    canvas.addEventListener("pointerdown", zeigenRunter);
    canvas.addEventListener("pointermove", zeigenBewegt);
    canvas.addEventListener("pointerup", zeigenLos);
    canvas.addEventListener("pointercancel", () => (klick = null));
    // A finger leaves with every lift; its tap's text stays until the next press.
    canvas.addEventListener("pointerleave", (e) => {
        if (e.pointerType !== "touch") {
            ruht = null;
            statusZeigen();
        }
    });
    // What each action of the drawing's keys does, given its key's row (its two numbers as in
    // kZeichnungsTasten); false where it did nothing.
    const wirkungen = {
        ziehen: ({ werte: [dx, dy] }) => ziehenUm(dx * SCHRITT, dy * SCHRITT),
        zoom: (t) => (t.werte[0] > 0 ? zoomRauf() : zoomRunter()),
        zuruecksetzen: () => zuruecksetzen(),
        seite: (t, e) => seiteZeigen(t.seiten[e.ctrlKey ? 1 : 0]),
        einpassen: () => einpassen(),
        messungBeenden: () => messungBeenden() && (statusZeigen(), true),
    };
    // What a key does on the drawing, by the row of daten.tasten its key names (a letter in
    // either case): nothing with Alt or Meta but for a key taken with any modifiers, and nothing
    // with Ctrl but for a standard view's key, so the browser's own shortcuts stay its own.
    function tastenAktion(e) {
        const name = e.key.length === 1 ? e.key.toUpperCase() : e.key;
        const t = Object.hasOwn(daten.tasten, name) ? daten.tasten[name] : null;
        if (t === null || (t.mit !== "jede" && (e.altKey || e.metaKey))) {
            return null;
        }
        if (e.ctrlKey && t.mit === "ohneStrg") {
            return null;
        }
        return () => wirkungen[t.wirkung](t, e);
    }
    // The drawing's keys, taken from the page so that they do not scroll it.
    canvas.addEventListener("keydown", (e) => {
        const aktion = tastenAktion(e);
        if (aktion !== null && aktion() !== false) {
            e.preventDefault();
            anfordern();
        }
    });
    const knoepfe = { kleiner: zoomRunter, groesser: zoomRauf, reset: zuruecksetzen };
    for (const [id, aktion] of Object.entries(knoepfe)) {
        feld(id).addEventListener("click", () => {
            aktion();
            anfordern();
        });
    }
    feld("zoom").addEventListener("input", () => {
        zoomText(feld("zoom").value);
        anfordern();
    });
    for (const box of Object.values(schalter)) {
        box.addEventListener("change", anfordern);
    }

    const ganz = (von) => (t) => /^-?\d+$/.test(t) && Number(t) >= von && Number(t) <= 2147483647;
    const winkel = (t) => /^-?(\d+\.?\d*|\.\d+)(e[+-]?\d+)?$/.test(t) && Number.isFinite(Number(t));
    // Each field of the address: its text now, whether a text is one of its values, and
    // setting the view from such a text.
    const ansicht = {
        drehung: [() => Str(z.drehung), winkel, (t) => (z.drehung = Number(t))],
        neigung: [() => Str(z.neigung), winkel, (t) => (z.neigung = Number(t))],
        zoom: [() => String(z.zoom), ganz(1), (t) => zoomSetzen(Number(t))],
        x: [() => String(z.origx), ganz(-2147483648), (t) => (z.origx = Number(t))],
        y: [() => String(z.origy), ganz(-2147483648), (t) => (z.origy = Number(t))],
    };
    for (const [name, box] of Object.entries(schalter)) {
        const gesetzt = () => (box.checked ? "1" : "0");
        ansicht[name] = [gesetzt, (t) => t === "0" || t === "1", (t) => (box.checked = t === "1")];
    }
    ansicht.modus = [
        () => (feld("rotieren").checked ? "rotieren" : "verschieben"),
        (t) => t === "rotieren" || t === "verschieben",
        (t) => (feld(t).checked = true),
    ];

    function adresse() {
        return "#" + Object.entries(ansicht).map(([name, [text]]) => `${name}=${text()}`).join("&");
    }

    // The view of the address the page was opened with, when it is one.
    function adresseLesen() {
        const felder = location.hash.slice(1).split("&").map((feld) => feld.split("="));
        const namen = new Set(felder.map(([name]) => name));
        const gut = felder.every(
            (f) => f.length === 2 && Object.hasOwn(ansicht, f[0]) && ansicht[f[0]][1](f[1]),
        );
        if (gut && namen.size === felder.length && namen.size === Object.keys(ansicht).length) {
            felder.forEach(([name, wert]) => ansicht[name][2](wert));
        }
    }

    function adresseSetzen() {
        if (location.hash !== adresse()) {
            history.replaceState(null, "", adresse());
        }
    }

    feld("zoom").value = String(z.zoom);
    schalter.punkte.checked = daten.punkte;
    schalter.linien.checked = daten.linien;
    schalter.achsen.checked = daten.achsen;
    adresseLesen();
    rotation2();
    zeichnen();
    for (const knopf of [feld("rotieren"), feld("verschieben")]) {
        knopf.addEventListener("change", adresseSetzen);
    }
})();
