import java.awt.Color;

/** One face of a model: the indices of its vertices and the colour of its outline. */
public final class Face {
    /** Colour of faces whose file line names none. */
    public static final Color DEFAULT_COLOR = Color.LIGHT_GRAY;

    private final int[] indices;
    private final Color color;

    public Face(int[] indices, Color color) {
        this.indices = indices.clone();
        this.color = color;
    }

    public int[] getIndices() {
        return indices.clone();
    }

    public Color getColor() {
        return color;
    }

    /** Returns true if every index names one of vertexCount vertices. */
    public boolean fitsInto(int vertexCount) {
        for (int index : indices) {
            if (index < 0 || index >= vertexCount) {
                return false;
            }
        }
        return true;
    }
}
