import java.awt.Color;
import java.awt.image.BufferedImage;
import java.io.FileInputStream;
import java.io.IOException;
import java.util.Arrays;
import java.util.regex.Pattern;

/** The applet reads and draws what the program writes, in German; args: FILE VERTICES FACES ... */
public class OoglOffTest {
    /** Files as the program writes them and what the reader makes of them; 0.5 * 255 rounds to 128. */
    private static final String[][] CASES = {
        {"OFF\r\n3 3 99\r\n0 0 0\r\n10 0 0\r\n0 10 0\r\n2 0 1 1 0.5 0.5\r\n2 1 2 0.5 1 0.5\r\n2 2 0 0.5 0.5 1\r\n",
            "[0.0, 0.0, 0.0, 10.0, 0.0, 0.0, 0.0, 10.0, 0.0] [0, 1] 255,128,128 [1, 2] 128,255,128 [2, 0] 128,128,255"},
        {"OFF\r\n0 0 99\r\n", "[]"},
        // Point 0, the origin, becomes index -1: read as it stands, skipped when drawn.
        {"OFF\r\n2 2 99\r\n-1.5e+21 -0.25 0\r\n1e+21 5 6\r\n2 0 1 1 1 1\r\n2 1 -1 0 0.5 0\r\n",
            "[-1.5E21, -0.25, 0.0, 1.0E21, 5.0, 6.0] [0, 1] 255,255,255 [1, -1] 0,128,0"},
    };
    private static final String FAR = "OFF\r\n3 2 99\r\n1e+21 1e+21 1e+21\r\n1.2e+21 1e+21 1e+21\r\n"
            + "1e+21 1.1e+21 1.05e+21\r\n2 0 1 1 0 0\r\n2 1 2 1 0 0\r\n";
    private static final Pattern ENGLISH = Pattern.compile("(?i)\\b(line|expected|file|has|only|of|vertex"
            + "|vertices|faces?|edges|missing|bad|number|integer|is|too|large|needs|colou?r|component|outside"
            + "|unsupported|header|lists|fewer|than|empty|not)\\b");
    private static final int W = 640;
    private static final int H = 480;
    private static int failed;

    public static void main(String[] args) throws Exception {
        for (String[] c : CASES) {
            String got = read(c[0]);
            check(c[1].equals(got), "<" + c[0] + ">: expected <" + c[1] + "> but got <" + got + ">");
        }
        for (String bad : new String[] {"", "OFF\n3 3\n", "OFF\n1 1 0\n0 0 0\n1 0 1.5 0 0\n", "OFF\n1 0 0\n0 x\n"}) {
            String got = read(bad);
            check(got.startsWith("error: ") && !ENGLISH.matcher(got).find(), "German error for <" + bad + ">: " + got);
        }
        BufferedImage loading = new BufferedImage(W, H, BufferedImage.TYPE_INT_RGB);
        Viewer41.drawContent(loading.getGraphics(), W, H, null, new Matrix3D(), null);
        check(box(loading, Color.WHITE)[4] > 50, "a line of text while the model loads");
        BufferedImage example = draw(new OOGL_OFF(CASES[0][0]), 0, 0);
        fits(example, true, "example");
        // Unturned, model x runs right and y up: the x axis (red) lies at the bottom of the y axis (blue).
        int[] x = box(example, new Color(255, 128, 128)), y = box(example, new Color(128, 128, 255));
        check(Math.abs(x[0] - y[0]) <= 2 && Math.abs(x[1] - y[3]) <= 2 && x[2] - x[0] > H / 2 && y[3] - y[1] > H / 2,
                "x right and y up, boxes " + Arrays.toString(x) + " " + Arrays.toString(y));
        fits(draw(new OOGL_OFF(FAR), -200, 33), false, "far segments turned");
        BufferedImage origin = draw(new OOGL_OFF(CASES[2][0]), 0, 0);
        check(box(origin, Color.WHITE)[4] > 200 && box(origin, new Color(0, 128, 0))[4] == 0,
                "a face naming index -1 is skipped");
        java.nio.file.Path folder = java.nio.file.Files.createTempDirectory("applet");
        for (String name : new String[] {"Haus #2.off", "100%.off", "a b?c&d=1.off", "\u00c4:\u20ac+.off"}) {
            java.nio.file.Files.write(folder.resolve(name), CASES[0][0].getBytes("ISO-8859-1"));
            try (java.io.InputStream in = Viewer41.modelUrl(folder.resolve("s.htm").toUri().toURL(), name).openStream()) {
                check(new OOGL_OFF(in).getVertexCount() == 3 && folder.resolve(name).toFile().delete(), name);
            }
        }
        for (int i = 0; i + 2 < args.length; i += 3) {
            try (FileInputStream in = new FileInputStream(args[i])) {
                OOGL_OFF model = new OOGL_OFF(in);
                int vertices = model.getVertexCount(), faces = model.getFaces().length;
                check((vertices + " " + faces).equals(args[i + 1] + " " + args[i + 2])
                        && box(draw(model, 0, 0), null)[4] > 0, args[i] + ": counts " + vertices + " " + faces);
            }
        }
        System.out.println(failed + " failed");
        System.exit(failed == 0 ? 0 : 1);
    }

    private static void check(boolean ok, String what) {
        if (!ok) {
            failed++;
            System.out.println("FAILED: " + what);
        }
    }

    /** The vertices, then each face's indices and colour; or "error: " and the reader's message. */
    private static String read(String text) {
        try {
            OOGL_OFF model = new OOGL_OFF(text);
            StringBuilder s = new StringBuilder(Arrays.toString(model.getVertices()));
            for (Face face : model.getFaces()) {
                Color c = face.getColor();
                s.append(" " + Arrays.toString(face.getIndices()) + " " + c.getRed() + "," + c.getGreen() + ","
                        + c.getBlue());
            }
            return s.toString();
        } catch (IOException e) {
            return "error: " + e.getMessage();
        }
    }

    /** The model drawn as the applet draws it after a drag by dx, dy. */
    private static BufferedImage draw(OOGL_OFF model, int dx, int dy) {
        Matrix3D rotation = new Matrix3D();
        Viewer41.turn(rotation, dx, dy);
        BufferedImage image = new BufferedImage(W, H, BufferedImage.TYPE_INT_RGB);
        Viewer41.drawModel(image.getGraphics(), W, H, model, rotation);
        return image;
    }

    /** {minX, minY, maxX, maxY, count} of the pixels of the colour, or of all but black ones when null. */
    private static int[] box(BufferedImage image, Color color) {
        int[] box = {W - 1, H - 1, -1, -1, 0};
        for (int y = 0; y < H; y++) {
            for (int x = 0; x < W; x++) {
                int rgb = image.getRGB(x, y) & 0xffffff;
                if (color == null ? rgb != 0 : rgb == (color.getRGB() & 0xffffff)) {
                    box = new int[] {Math.min(box[0], x), Math.min(box[1], y), Math.max(box[2], x), Math.max(box[3], y),
                        box[4] + 1};
                }
            }
        }
        return box;
    }

    /** Checks that the drawing spans more than half the height, keeps off the border and, if asked, is centred. */
    private static void fits(BufferedImage image, boolean centred, String what) {
        int[] b = box(image, null);
        check(b[0] > 0 && b[1] > 0 && b[2] < W - 1 && b[3] < H - 1 && Math.max(b[2] - b[0], b[3] - b[1]) > H / 2
                && (!centred || Math.abs(b[0] + b[2] - (W - 1)) <= 2 && Math.abs(b[1] + b[3] - (H - 1)) <= 2),
                what + " fits, box " + b[0] + "," + b[1] + " - " + b[2] + "," + b[3]);
    }
}
