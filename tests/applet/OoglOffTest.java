import static java.awt.image.BufferedImage.TYPE_INT_RGB;

import java.awt.image.BufferedImage;
import java.io.*;
import java.net.*;
import java.nio.file.*;
import java.util.regex.*;
import java.util.stream.IntStream;
import javax.imageio.ImageIO;

/** The applet reads, finds and draws what the program writes into args[0]. */
public class OoglOffTest {
    /** OFF texts ("|" ends a line) the reader takes, and their stored picture. */
    private static final String[][] DRAWINGS = {
        {"index-minus-1", "OFF|2 2 99|-1.5e+21 -0.25 0|1e+21 5 6|2 0 1 1 1 1|2 1 -1 0 0.5 0|"},
        {"weit", "OFF|3 2 99|1e+21 1e+21 1e+21|1.2e+21 1e+21 1e+21|1e+21 1.1e+21 1.05e+21"
            + "|2 0 1 1 0 0|2 1 2 1 0 0|"},
        {"ohne-flaechen", "OFF|0 0 99|"},
    };
    /** OFF texts the reader turns down, and its message. */
    private static final String[][] ERRORS = {
        {"empty file", "", "Datei ist leer"},
        {"two counts", "OFF|3 3|", "Zeile 2: erwartet werden Eckenzahl, Flächenzahl, Kantenzahl"},
        {"colour over 1", "OFF|1 1 0|0 0 0|1 0 1.5 0 0|",
            "Zeile 4: Farbanteil 1.5 liegt außerhalb 0..1"},
        {"vertex of two", "OFF|1 0 0|0 x|", "Zeile 3: Ecke braucht 3 Koordinaten"},
    };
    private static final int W = 640;
    private static final int H = 480;
    private static int failed;

    public static void main(String[] args) throws Exception {
        for (String[] c : DRAWINGS) {
            drawnAsStored(c[0], new OOGL_OFF(c[1].replace("|", "\r\n")));
        }
        for (String[] c : ERRORS) {
            try {
                same(c[0], c[2], "read " + new OOGL_OFF(c[1].replace("|", "\r\n")));
            } catch (IOException e) {
                same(c[0], c[2], e.getMessage());
            }
        }
        for (String name : new String[] {"dreieck", "haus", "wuerfel", "farben"}) {
            try (InputStream in = new FileInputStream(new File(args[0], name + ".off"))) {
                drawnAsStored("geschrieben-" + name, new OOGL_OFF(in));
            }
        }
        BufferedImage loading = new BufferedImage(W, H, TYPE_INT_RGB);
        Viewer41.drawContent(loading.getGraphics(), W, H, null, new Matrix3D(), null);
        boolean white = IntStream.of(pixels(loading)).anyMatch(p -> p == 0xFFFFFFFF);
        same("white text while the model loads", "true", "" + white);
        for (int n = 1; n <= 4; n++) {
            pageNamesItsFile(Paths.get(args[0]), "seite" + n);
        }
        System.exit(failed == 0 ? 0 : 1);
    }

    /** The page's model parameter, as a browser passes it, leads the applet to the page's
     * folder and the OFF file's name as listed ("+" a plus). */
    private static void pageNamesItsFile(Path folder, String page) throws IOException {
        String htm = read(folder.resolve(page + ".htm"), "windows-1252");
        Matcher value = Pattern.compile("<PARAM name=model value=\"([^\"]*)\">").matcher(htm);
        same(page + ".htm: a model parameter", "true", "" + value.find());
        URL base = folder.resolve(page).resolve("s.htm").toUri().toURL();
        URL url = Viewer41.modelUrl(base, value.group(1).replace("&amp;", "&"));
        String name = read(folder.resolve(page + ".name"), "ISO-8859-1");
        String folderPath = decoded(base.getPath().replace("s.htm", ""));
        same(page + ": path of " + url, folderPath + name, decoded(url.getPath()));
    }

    private static String decoded(String path) throws IOException {
        return URLDecoder.decode(path.replace("+", "%2B"), "ISO-8859-1");
    }

    private static String read(Path file, String charset) throws IOException {
        return new String(Files.readAllBytes(file), charset);
    }

    private static void same(String what, String expected, String got) {
        if (!expected.equals(got)) {
            failed++;
            System.out.printf("FAILED: %s: expected <%s>, got <%s>%n", what, expected, got);
        }
    }

    /** The model as the applet draws it after a drag 50 pixels right and 30 up is pixel for
     * pixel applet-NAME.png in wyk.vorlagen, looked at when stored (WYK_VORLAGEN_NEU). */
    private static void drawnAsStored(String name, OOGL_OFF model) throws IOException {
        BufferedImage image = new BufferedImage(W, H, TYPE_INT_RGB);
        Matrix3D rotation = new Matrix3D();
        Viewer41.turn(rotation, 50, -30);
        Viewer41.drawModel(image.getGraphics(), W, H, model, rotation);
        File file = new File(System.getProperty("wyk.vorlagen"), "applet-" + name + ".png");
        if (System.getenv("WYK_VORLAGEN_NEU") != null) {
            ImageIO.write(image, "png", file);
        }
        int[] want = pixels(ImageIO.read(file));
        int[] got = pixels(image);
        int[] differ = IntStream.range(0, Math.max(want.length, got.length))
            .filter(i -> i >= want.length || i >= got.length || want[i] != got[i]).toArray();
        int first = differ.length > 0 ? differ[0] : 0;
        same(file + ": pixels that differ, the first at " + first % W + ", " + first / W, "0",
            "" + differ.length);
    }

    private static int[] pixels(BufferedImage image) {
        return image.getRGB(0, 0, image.getWidth(), image.getHeight(), null, 0, image.getWidth());
    }
}
